#include "app/progress_dialog.h"

#include "view/colours.h"
#include "view/dialogs.h"
#include "app/window_look.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace app {
namespace {

constexpr int kAutoCloseMs = 6000;
constexpr int kDesignStepTotal = 156;

const QString kPleaseWait = QStringLiteral("＜しばらくお待ちください＞");
const QString kPressOk = QStringLiteral("<OKボタンを押してください>");
const QString kFirstStage = QStringLiteral("ファイルチェック中");

QFont fontOfPixels(int pixels) {
    QFont font = windowFont();
    font.setPixelSize(pixels);
    return font;
}

// A label is read out by what it says, so its accessible name follows its text.
void say(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
}

// Only a message that reports the end of the work or its cancellation goes away by itself: an
// error must stay until the user has read it.
bool closesByItself(const QString& message) {
    return message.contains(QStringLiteral("終了")) || message.contains(QStringLiteral("キャンセル"));
}

}  // namespace

TForm2::TForm2(QWidget* mainWindow)
    // A window of the main window is kept above it; no close box, since closing is OK's job.
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    createControls();
    designLabelHeight_ = Label2->height();
    designHeight_ = height();
    designOkTop_ = Bt_OK->y();
    designPanelHeight_ = Panel1->height();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(kAutoCloseMs);
    connect(Timer1, &QTimer::timeout, this, &QWidget::close);
    connect(Bt_OK, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm2::createControls() {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("カラー図案EXCEL出力"));
    setAccessibleName(windowTitle());
    setFont(windowFont());
    setFixedSize(291, 102);
    setAutoFillBackground(true);
    paintBackground(this, view::cream);

    L_01 = new QLabel(this);
    L_01->setObjectName(QStringLiteral("L_01"));
    L_01->setGeometry(0, 0, 290, 16);
    L_01->setAlignment(Qt::AlignCenter);
    L_01->setFont(fontOfPixels(16));
    say(L_01, kPleaseWait);

    auto* Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(0, 18, 289, 25);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ProgressBar1 = new QProgressBar(Panel2);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(Panel2->contentsRect());
    ProgressBar1->setRange(0, kDesignStepTotal);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAccessibleName(windowTitle());

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 45, 273, 52);
    Label2 = new QLabel(Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(fontOfPixels(13));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setWordWrap(true);
    Label2->setAutoFillBackground(true);
    // One line high, as for every stage text; only a final message may need more.
    Label2->setGeometry(0, 0, Panel1->width(), Label2->fontMetrics().height());

    // Made after the panel, so that it lies above it and takes the clicks.
    Bt_OK = new QPushButton(QStringLiteral("OK"), this);
    Bt_OK->setObjectName(QStringLiteral("Bt_OK"));
    Bt_OK->setAccessibleName(Bt_OK->text());
    Bt_OK->setGeometry(104, 63, 75, 25);
}

void TForm2::ProgressOpen(const QString& caption, int stepTotal) {
    // The timer of the previous operation's message must not close this one's window half-way, and
    // a window still open with a long message starts again from its design layout.
    restoreDesignLayout();
    ProgressBar1->setMaximum(stepTotal);
    ProgressReset(0);
    Bt_OK->hide();
    say(L_01, kPleaseWait);
    setWindowTitle(caption);
    setAccessibleName(caption);
    ProgressBar1->setAccessibleName(caption);
    view::dialogs().showWindow(*this, view::WindowModality::Modeless);
    ProgressStage(kFirstStage);
}

void TForm2::ProgressStage(const QString& text) { say(Label2, text); }

void TForm2::ProgressStep(int n) {
    // A bar asked to go past its end stays full rather than ignoring the step.
    ProgressBar1->setValue(std::min(ProgressBar1->value() + n, ProgressBar1->maximum()));
    QApplication::processEvents();
}

void TForm2::ProgressReset(int position) {
    ProgressBar1->setCursor(Qt::WaitCursor);
    ProgressBar1->setValue(position);
}

void TForm2::ProgressFinish(const QString& message) {
    // Nothing is busy any longer, over the bar either.
    ProgressBar1->unsetCursor();
    ProgressBar1->setValue(ProgressBar1->maximum());
    say(L_01, kPressOk);
    say(Label2, message);
    ProgressRelayout();
    Bt_OK->show();
    Bt_OK->setFocus();
    if (closesByItself(message)) Timer1->start();
    // The window may have been closed while the work ran; the message must be seen all the same.
    if (!isVisible()) view::dialogs().showWindow(*this, view::WindowModality::Modeless);
}

void TForm2::ProgressRelayout() {
    const int labelHeight = Label2->heightForWidth(Label2->width());
    if (labelHeight == designLabelHeight_) return;
    // Lines of a long message read better from a common left edge.
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int growth = labelHeight - designLabelHeight_;
    Label2->resize(Label2->width(), labelHeight);
    // The panel grows with the label so that no line of a long message is cut off.
    Panel1->resize(Panel1->width(), designPanelHeight_ + growth);
    setFixedHeight(designHeight_ + growth);
    Bt_OK->move(Bt_OK->x(), designOkTop_ + growth);
}

void TForm2::done(int result) {
    restoreDesignLayout();
    QDialog::done(result);
}

void TForm2::restoreDesignLayout() {
    Timer1->stop();
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->resize(Label2->width(), designLabelHeight_);
    Panel1->resize(Panel1->width(), designPanelHeight_);
    setFixedHeight(designHeight_);
    Bt_OK->move(Bt_OK->x(), designOkTop_);
}

}  // namespace app
