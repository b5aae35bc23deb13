// Test entry point for tests that need a Qt application object.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Headless by default (also when CTest lists the tests without the test environment).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
