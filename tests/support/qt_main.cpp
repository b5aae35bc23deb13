// Test entry point for tests that need a Qt application object.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Without a display (the build's test discovery runs this too) the tests run offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
