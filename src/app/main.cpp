// tessaly: the window that turns a picture into a needlework colour chart.

#include "app/application_setup.h"
#include "app/main_window.h"
#include "companion/record_location.h"
#include "platform/program_folder.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    app::setUpApplication(application);

    const std::string program = platform::programFile(argc > 0 ? argv[0] : nullptr);
    app::Startup startup;
    startup.cfgFolder = platform::shippedConfigFolder(program);
    startup.appName = companion::recordAppName(std::filesystem::path(program).filename().string());
    // An installed program keeps its record with the user, even where its data folder could be
    // written; one run from its build folder keeps it beside itself.
    const std::filesystem::path programFolder = std::filesystem::path(program).parent_path();
    const bool installed = std::filesystem::path(startup.cfgFolder).parent_path() != programFolder;
    startup.recordFolder = companion::chooseRecordFolder(installed ? std::string() : startup.cfgFolder,
                                                         companion::userConfigFolder(), startup.appName);

    app::TForm1 window(startup);
    window.show();
    // A picture named on the command line, as a file manager's "Open with" names it, opens as a
    // dropped one does, once the window is there to show a message over.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1) {
        QMetaObject::invokeMethod(
            &window, [&window, picture = arguments.at(1)] { window.openPictureFile(picture); }, Qt::QueuedConnection);
    }
    return application.exec();
}
