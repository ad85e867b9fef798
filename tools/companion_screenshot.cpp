// Photographs the companion window as it greets a new user, for the help pages and the README:
//   cmake --build build --target companion_screenshot
//   build/bin/companion_screenshot docs/companion-window.png cfg/help/companion-window.png

#include "view/dialogs.h"
#include "companion/companion_window.h"
#include "companion/greetings.h"

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QPixmap>
#include <QStringList>

#include <cstdio>

namespace {

using namespace std::chrono;

// Shows the window for real, takes its picture and closes it again, where a user would read it.
class Photographer final : public view::Dialogs {
public:
    explicit Photographer(QStringList paths) : paths_(std::move(paths)) {}
    void showMessage(const view::Message&) override {}
    view::ModalResult ask(const view::Question&) override { return view::ModalResult::None; }
    QString openFileName(const view::FileRequest&) override { return {}; }
    QString saveFileName(const view::FileRequest&) override { return {}; }
    void openInBrowser(const QUrl&) override {}
    view::ModalResult showChoiceDialog(QDialog&) override { return view::ModalResult::Cancel; }
    void showWindow(QDialog& window, view::WindowModality) override {
        window.show();
        QApplication::processEvents();
        const QPixmap picture = window.grab();
        for (const QString& path : paths_) saved_ = picture.save(path) && saved_;
        window.close();
    }
    bool saved() const { return saved_; }

private:
    QStringList paths_;
    bool saved_ = true;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Tessaly"));
    QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), 9));
    const QStringList paths = application.arguments().mid(1);
    if (paths.isEmpty()) {
        std::fputs("usage: companion_screenshot PNG...\n", stderr);
        return 2;
    }

    const platform::LocalDateTime now = local_days{2026y / 12 / 6} + 10h;
    companion::UsageRecord record;
    record.Machine = record.StoredMachine = "atelier";
    record.User = record.StoredUser = "hanako";
    record.Version = record.StoredVersion = 100;
    record.UseCount = 1;
    record.FirstUse = record.PreviousStart = record.PreviousEnd = record.ThisStart = now;
    record.LastGreetingTime = now - 1h;
    companion::refreshGreetingTitle(record);

    Photographer photographer(paths);
    view::installDialogs(&photographer);
    companion::TOha_form window("/usr/local/share/tessaly/cfg");
    window.setClock([now] { return now; });
    window.showCompanion(record, {});
    view::installDialogs(nullptr);
    return photographer.saved() ? 0 : 1;
}
