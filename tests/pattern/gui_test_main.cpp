#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The pattern's fonts need an application, which needs no screen, also when the test list is read
    // at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
