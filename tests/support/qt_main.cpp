// Test entry point for tests that need a Qt application object. Windows are never shown on a
// screen: without a platform chosen, the offscreen one is used (test discovery runs this too).
// The user's own folders are never touched: configuration and data go to a folder of the run.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir userFolders;
    qputenv("XDG_CONFIG_HOME", (userFolders.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (userFolders.path() + "/data").toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
