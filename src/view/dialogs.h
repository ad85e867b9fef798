#pragma once

#include <QFlags>
#include <QString>

class QDialog;
class QUrl;

namespace view {

// The look of a message box: its icon, and for a question the kind of question.
enum class BoxKind { Warning, Error, Information, Confirmation, Custom };

enum class BoxButton : unsigned {
    Yes = 1u << 0,
    No = 1u << 1,
    Ok = 1u << 2,
    Cancel = 1u << 3,
    Abort = 1u << 4,
    Retry = 1u << 5,
    Ignore = 1u << 6,
    All = 1u << 7,
    NoToAll = 1u << 8,
    YesToAll = 1u << 9,
    Help = 1u << 10,
};
Q_DECLARE_FLAGS(BoxButtons, BoxButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(BoxButtons)

// What a box answers: the numbers callers compare with and that message texts and logs name
// (OK 1, Cancel 2, Yes 6, No 7 as in the platform's message box ids). None: closed unanswered.
enum class ModalResult {
    None = 0,
    Ok = 1,
    Cancel = 2,
    Abort = 3,
    Retry = 4,
    Ignore = 5,
    Yes = 6,
    No = 7,
    Help = 9,
    All = 12,
    NoToAll = 13,
    YesToAll = 14,
};

struct Message {
    QString caption;
    QString text;
    BoxKind kind = BoxKind::Warning;
    friend bool operator==(const Message&, const Message&) = default;
};

struct Question {
    QString caption;
    QString text;
    BoxKind kind = BoxKind::Confirmation;
    BoxButtons buttons;
    friend bool operator==(const Question&, const Question&) = default;
};

// A file dialog: its title, the folder it opens in and its filter, pairs of a description and
// its patterns ("Excel files (*.xlsx)|*.XLSX").
struct FileRequest {
    QString title;
    QString folder;
    QString filter;
    friend bool operator==(const FileRequest&, const FileRequest&) = default;
};

enum class WindowModality { Modal, Modeless };

// Every modal interaction of the program passes through here, so that the whole program can be
// driven by a script that answers instead of a user and nothing ever waits for a click. So does
// every hand-over to the user's browser, so that a script never starts one.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A box with the single button OK; returns when it is closed.
    virtual void showMessage(const Message& message) = 0;
    virtual ModalResult ask(const Question& question) = 0;
    // The chosen file's full path, or empty when the user cancels.
    virtual QString openFileName(const FileRequest& request) = 0;
    virtual QString saveFileName(const FileRequest& request) = 0;
    // One of the program's own windows: a modal one returns when it is closed, a modeless one at once.
    virtual void showWindow(QDialog& window, WindowModality modality) = 0;
    virtual void openInBrowser(const QUrl& address) = 0;
    // A dialog of the program's own in which the user chooses and then presses OK or cancels (the size
    // and count dialog), readied for this opening; Ok when the user pressed OK, after which the dialog
    // holds what was chosen.
    virtual ModalResult showChoiceDialog(QDialog& dialog) = 0;
};

// The dialogs in use: the real ones unless others are installed.
Dialogs& dialogs();

// Puts dialogs in place of the current ones (nullptr: the real ones) and returns those it
// replaced, so that whoever installs can put them back. The caller keeps ownership.
Dialogs* installDialogs(Dialogs* replacement);

}  // namespace view
