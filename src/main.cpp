// The ZB_347RX programming software: start-up, splash window, main window.

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <memory>

#include "app/context.h"
#include "app/document_lifecycle.h"
#include "app/trapped.h"
#include "app/link_radio_commands.h"
#include "app/platform_paths.h"
#include "app/qt/qt_program_launcher.h"
#include "app/startup.h"
#include "app/ui/frm_main.h"
#include "app/ui/frm_splash.h"
#include "app/ui/gui_prompter.h"
#include "link/port_numbers.h"
#include "link/qt/qt_port_directory.h"
#include "link/qt/qt_serial_line.h"
#include "link/qt/qt_timer.h"
#include "link/qt/virtual_radio.h"

namespace {

// A few ms per reply, so a read or write of the virtual radio can be watched.
constexpr int kVirtualReplyDelayMs = 2;

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZB_347RX");
    QApplication::setOrganizationName("ZB_347RX");
    QApplication::setApplicationVersion("2.0.0");
    QGuiApplication::setDesktopFileName("org.zb347rx.ProgrammingSoftware");

    QCommandLineParser options;
    options.setApplicationDescription("Programming software of the ZB_347RX 10-metre transceiver.");
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption virtualRadio(
        "virtual-radio", "Attach a simulated radio as one more serial port, chosen for this run.");
    const QCommandLineOption virtualImage(
        "virtual-radio-image",
        "Start the simulated radio with this 16384-byte memory image (implies --virtual-radio).",
        "FILE");
    const QCommandLineOption portDevice(
        "port", "Use this serial device (a path such as /dev/ttyUSB0 or a pseudo-terminal) for this run.",
        "DEVICE");
    options.addOption(virtualRadio);
    options.addOption(virtualImage);
    options.addOption(portDevice);
    options.addPositionalArgument("file", "A data file to open (FILE.dat with its FILE.fre).", "[FILE.dat]");
    options.process(app);
    if (options.positionalArguments().size() > 1) {
        std::fprintf(stderr, "zb347rx: give at most one data file\n");
        return 2;
    }
    if (options.isSet(portDevice) && (options.isSet(virtualRadio) || options.isSet(virtualImage))) {
        std::fprintf(stderr, "zb347rx: --port and --virtual-radio exclude each other\n");
        return 2;
    }

    zb::AppContext ctx;
    zb::ui::GuiPrompter prompter(ctx);
    zb::QtProgramLauncher launcher;
    ctx.prompter = &prompter;
    ctx.launcher = &launcher;
    zb::RunStartup(ctx, zb::StartupOptions{});

    // The radio link's outside world.
    zb::PortNumbers portNumbers(zb::PortNumbersFile());
    zb::QtPortDirectory ports(portNumbers);
    zb::QtSerialLine line(portNumbers);
    zb::QtTimerFactory timers;
    ctx.ports = &ports;
    ctx.line = &line;
    ctx.timers = &timers;
    std::unique_ptr<zb::VirtualRadio> virtualRadioPort;
    if (options.isSet(virtualRadio) || options.isSet(virtualImage)) {
        virtualRadioPort = std::make_unique<zb::VirtualRadio>(ctx, line, &ports, &portNumbers,
                                                              kVirtualReplyDelayMs);
        std::string error;
        if (options.isSet(virtualImage) &&
            !virtualRadioPort->LoadImage(options.value(virtualImage).toStdString(), &error)) {
            std::fprintf(stderr, "zb347rx: %s\n", error.c_str());
            return 2;
        }
    }
    if (options.isSet(portDevice)) {
        // Listed with the system's ports and chosen for this run; the settings file keeps its own.
        ctx.settings.ComPort = ports.AddDevice(options.value(portDevice).toStdString());
    }
    zb::LinkRadioCommands radio(ctx);

    zb::ui::frmMain mainWindow(ctx);
    mainWindow.SetRadioCommands(&radio);

    zb::ui::frmSplash splash(ctx);
    QObject::connect(&splash, &zb::ui::frmSplash::Finished, &mainWindow, [&] {
        mainWindow.Form_Load();
        mainWindow.show();
        // A file named on the command line opens as if chosen with Open, checks and messages
        // included; a file that does not load leaves the new document.
        if (!options.positionalArguments().isEmpty()) {
            const std::string path = options.positionalArguments().front().toStdString();
            zb::RunTrapped(ctx, "frmMain_mnuFileOpen", [&] { zb::OpenDocumentFile(ctx, path); });
        }
    });
    splash.show();
    const int status = app.exec();
    ctx.line = nullptr;  // the lines go before the context
    ctx.ports = nullptr;
    return status;
}
