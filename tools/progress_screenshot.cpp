// Photographs the workbook progress dialog half-way through an export, for the README:
//   cmake --build build --target progress_screenshot && build/bin/progress_screenshot docs/progress-dialog.png

#include "app/progress_dialog.h"

#include <QApplication>
#include <QFont>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Tessaly"));
    QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), 9));
    if (argc != 2) {
        std::fputs("usage: progress_screenshot PNG\n", stderr);
        return 2;
    }

    QWidget mainWindow;
    mainWindow.resize(640, 480);
    mainWindow.show();
    app::TForm2 dialog(&mainWindow);
    dialog.ProgressOpen(QStringLiteral("Tessaly <図案Excel出力> "), 156);
    dialog.ProgressStep(60);
    return dialog.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
