#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace app {

// The small window that shows how far a workbook export or import has come and then how it ended.
// It lives as long as the main window, stays on top of it and is only ever hidden, never destroyed.
// An operation opens it, writes its stages and moves the bar; the caller finishes it with the
// operation's message. A message that says the work ended or was cancelled closes the window by
// itself after a while; any other message, an error, stays until the user presses OK.
class TForm2 : public QDialog {
public:
    // mainWindow: the window it is centred on and kept above.
    explicit TForm2(QWidget* mainWindow);

    // Readies the window for one operation of stepTotal steps under its own caption and shows it at
    // the first stage, "ファイルチェック中".
    void ProgressOpen(const QString& caption, int stepTotal);
    // The stage the operation has reached.
    void ProgressStage(const QString& text);
    // Moves the bar on by n steps, never past its end, and lets the windows repaint meanwhile.
    void ProgressStep(int n);
    // Puts the bar at position and shows that the program is busy.
    void ProgressReset(int position);
    // Shows how the operation ended: the full bar, the message and OK.
    void ProgressFinish(const QString& message);

    QLabel* L_01;
    QProgressBar* ProgressBar1;
    QFrame* Panel1;
    QLabel* Label2;
    QPushButton* Bt_OK;
    // Closes the window after a message of success or cancellation; 6 seconds unless changed.
    QTimer* Timer1;

protected:
    // Every way of closing passes here: OK, the timer, Esc and the window manager.
    void done(int result) override;

private:
    void createControls();
    void ProgressRelayout();
    // Also stops the timer: whatever comes next starts from the window as designed.
    void restoreDesignLayout();

    // The design layout, taken back each time the window closes.
    int designLabelHeight_ = 0;
    int designHeight_ = 0;
    int designOkTop_ = 0;
    int designPanelHeight_ = 0;
};

}  // namespace app
