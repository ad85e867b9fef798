#include "app/application_setup.h"

#include "app/window_look.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

void setUpApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tessaly")));
    QApplication::setFont(windowFont());
    // Qt's own dialogs (file choice, buttons) speak Japanese too, as the rest of the program does.
    auto* qtTexts = new QTranslator(&application);
    if (qtTexts->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qtTexts);
    }
}

}  // namespace app
