// The ZB_347RX programming software: start-up, splash window, main window.

#include <QApplication>
#include <filesystem>
#include <system_error>

#include "app/context.h"
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

namespace {

// Serial devices keep their "COM" number from run to run in the user's folder.
std::string PortNumbersFile() {
    const std::string folder = zb::UserConfigFolder();
    if (folder.empty()) return {};
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return ec ? std::string() : folder + "/ports.ini";
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZB_347RX");
    QApplication::setOrganizationName("ZB_347RX");
    QApplication::setApplicationVersion("2.0.0");
    QGuiApplication::setDesktopFileName("org.zb347rx.ProgrammingSoftware");

    zb::AppContext ctx;
    zb::ui::GuiPrompter prompter(ctx);
    zb::QtProgramLauncher launcher;
    ctx.prompter = &prompter;
    ctx.launcher = &launcher;
    zb::RunStartup(ctx, zb::StartupOptions{});

    // The radio link's outside world.
    zb::PortNumbers portNumbers(PortNumbersFile());
    zb::QtPortDirectory ports(portNumbers);
    zb::QtSerialLine line(portNumbers);
    zb::QtTimerFactory timers;
    ctx.ports = &ports;
    ctx.line = &line;
    ctx.timers = &timers;
    zb::LinkRadioCommands radio(ctx);

    zb::ui::frmMain mainWindow(ctx);
    mainWindow.SetRadioCommands(&radio);

    zb::ui::frmSplash splash(ctx);
    QObject::connect(&splash, &zb::ui::frmSplash::Finished, &mainWindow, [&] {
        mainWindow.Form_Load();
        mainWindow.show();
    });
    splash.show();
    const int status = app.exec();
    ctx.line = nullptr;  // the line goes before the context
    return status;
}
