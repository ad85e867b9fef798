#pragma once

#include "companion/usage_record.h"

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace companion {

// The small talking window: greets from the usage record, says goodbye at the end, lists the usage
// facts and opens the help pages and the homepage. What it says comes from the greeting rules; the
// window only shows it and closes itself when a greeting asks how the user is and the mouse stays away.
class TOha_form : public QDialog {
public:
    // cfgFolder: the shipped data folder, whose help folder holds the help pages.
    explicit TOha_form(std::string cfgFolder, QWidget* parent = nullptr);

    // "end" shows the farewell and returns at once; an empty text shows a greeting and any other text
    // itself, both waiting until the window closes, after which the record's greeting title follows.
    void showCompanion(UsageRecord& record, const std::string& text);

    // The clock the greetings read; the system's local time unless replaced.
    void setClock(std::function<LocalDateTime()> clock) { clock_ = std::move(clock); }

    QWidget* Panel1 = nullptr;
    QLabel* La_st = nullptr;
    QWidget* Panel2 = nullptr;
    QPushButton* Bt_help = nullptr;
    QPushButton* Bt_hp = nullptr;
    QPushButton* Bt_close = nullptr;
    QWidget* Panel3 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    // Every way of closing passes here: the close button, Esc, the close box and the timer.
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void placeAtDesignSize();
    void Bt_helpClick();
    void Bt_hpClick();
    void say(const QString& message);
    void closeAfter(int milliseconds);

    std::string cfgFolder_;
    std::function<LocalDateTime()> clock_;
    std::string homepage_;
    // Set while help or the browser starts: the window then closes on its own however the mouse moves.
    bool actionRunning_ = false;
};

}  // namespace companion
