// The ZB_347RX programming software: start-up, splash window, main window.

#include <QApplication>

#include "app/context.h"
#include "app/platform_paths.h"
#include "app/startup.h"
#include "app/ui/frm_main.h"
#include "app/ui/frm_splash.h"
#include "app/ui/gui_prompter.h"
#include "link/port_numbers.h"
#include "link/qt/qt_port_directory.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZB_347RX");
    QApplication::setOrganizationName("ZB_347RX");
    QApplication::setApplicationVersion("2.0.0");
    QGuiApplication::setDesktopFileName("org.zb347rx.ProgrammingSoftware");

    zb::AppContext ctx;
    zb::ui::GuiPrompter prompter(ctx);
    ctx.prompter = &prompter;
    zb::RunStartup(ctx, zb::StartupOptions{});

    // Serial devices keep their "COM" number from run to run.
    zb::PortNumbers portNumbers(zb::UserConfigFolder().empty() ? std::string()
                                                                : zb::UserConfigFolder() + "/ports.ini");
    zb::QtPortDirectory ports(portNumbers);
    ctx.ports = &ports;

    zb::ui::frmMain mainWindow(ctx);
    // Editors built elsewhere register here: mainWindow.Children().Register(key, maker).

    zb::ui::frmSplash splash(ctx);
    QObject::connect(&splash, &zb::ui::frmSplash::Finished, &mainWindow, [&] {
        mainWindow.Form_Load();
        mainWindow.show();
    });
    splash.show();
    return app.exec();
}
