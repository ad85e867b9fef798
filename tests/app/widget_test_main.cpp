#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Widget tests need no screen, also when the test list is read at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName("Tessaly");
    QApplication::setFont(QFont("IPAPGothic", 9));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
