#include "companion/companion_window.h"

#include "view/colours.h"
#include "view/dialogs.h"
#include "companion/companion_picture.h"
#include "companion/greetings.h"
#include "companion/usage_facts.h"
#include "companion/web_address.h"
#include "platform/text_codec.h"
#include "view/placed_control.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace companion {
namespace {

constexpr const char* kFarewellText = "end";
constexpr const char* kHowAreYou = "調子はいかがですか？";
constexpr int kSelfCloseMs = 6000;
constexpr int kHelpCloseMs = 500;
constexpr int kBrowserCloseMs = 2000;
constexpr int kNoHomepageCloseMs = 5000;

// The design size: every message taller or shorter than the label's design height moves the buttons
// and stretches the panels by the difference.
constexpr QSize kForm{449, 128};
constexpr QRect kPanel1{0, 0, 300, 72};
constexpr QRect kLabel{50, 14, 250, 44};
constexpr QRect kPanel2{0, 72, 300, 56};
constexpr QRect kPanel3{300, 0, 149, 128};
constexpr QRect kMemo{2, 40, 145, 84};

QString text(const std::string& s) { return QString::fromStdString(s); }

// The rules break lines with CR LF; a label breaks at LF alone.
QString shown(const std::string& message) { return text(message).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

// Five sixths of the window's face (10 pixels beside 12), whether that face is sized in pixels or in
// points: small enough for a date beside its name in the memo's width.
QFont smallerFont(QFont font) {
    if (font.pixelSize() > 0) {
        font.setPixelSize(font.pixelSize() * 5 / 6);
    } else {
        font.setPointSizeF(font.pointSizeF() * 5 / 6);
    }
    return font;
}

QLabel* picture(QWidget* parent, const QPixmap& pixmap, QPoint at) {
    auto* label = new QLabel(parent);
    label->setPixmap(pixmap);
    label->setGeometry(QRect(at, pixmap.size()));
    label->setAccessibleName(QStringLiteral("飾り絵"));
    return label;
}

}  // namespace

TOha_form::TOha_form(std::string cfgFolder, QWidget* parent)
    : QDialog(parent), cfgFolder_(std::move(cfgFolder)), clock_(platform::localNow) {
    createControls();
}

void TOha_form::createControls() {
    setObjectName("TOha_form");
    // No fixed accessible name: a window is announced by its caption, which changes at each opening.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    QPalette face = palette();
    face.setColor(QPalette::Window, view::cream);
    setPalette(face);
    setAutoFillBackground(true);

    Panel1 = view::placeControl<QWidget>(this, "Panel1", {}, kPanel1);
    picture(Panel1, stitchedHeart(), QPoint(8, 16));
    La_st = view::placeControl<QLabel>(Panel1, "La_st", {}, kLabel);
    La_st->setWordWrap(true);
    La_st->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = La_st->font();
    bold.setBold(true);
    La_st->setFont(bold);

    Panel2 = view::placeControl<QWidget>(this, "Panel2", {}, kPanel2);
    Bt_help = view::placeControl<QPushButton>(Panel2, "Bt_help", QStringLiteral("ヘルプを表示"), QRect(6, 14, 90, 28));
    Bt_hp = view::placeControl<QPushButton>(Panel2, "Bt_hp", QStringLiteral("ホームページを表示"), QRect(100, 14, 124, 28));
    Bt_close = view::placeControl<QPushButton>(Panel2, "Bt_close", QStringLiteral("閉じる"), QRect(228, 14, 66, 28));
    for (QPushButton* button : {Bt_help, Bt_hp, Bt_close}) button->setAutoDefault(false);

    Panel3 = view::placeControl<QWidget>(this, "Panel3", {}, kPanel3);
    picture(Panel3, stitchedFlower(), QPoint(6, 6));
    Memo1 = view::placeControl<QPlainTextEdit>(Panel3, "Memo1", QStringLiteral("利用状況"), kMemo);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // One fact a line, in a smaller face so that a date fits beside its name.
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFont(smallerFont(Memo1->font()));

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &QWidget::close);
    connect(Bt_help, &QPushButton::clicked, this, &TOha_form::Bt_helpClick);
    connect(Bt_hp, &QPushButton::clicked, this, &TOha_form::Bt_hpClick);
    connect(Bt_close, &QPushButton::clicked, this, &QWidget::close);

    // The mouse anywhere over the window means the user is reading: it stays open.
    setMouseTracking(true);
    installEventFilter(this);
    for (QWidget* part : findChildren<QWidget*>()) {
        part->setMouseTracking(true);
        part->installEventFilter(this);
    }
    placeAtDesignSize();
}

void TOha_form::placeAtDesignSize() {
    Panel1->setGeometry(kPanel1);
    La_st->setGeometry(kLabel);
    Panel2->setGeometry(kPanel2);
    Panel3->setGeometry(kPanel3);
    Memo1->setGeometry(kMemo);
    setFixedSize(kForm);
}

void TOha_form::showCompanion(UsageRecord& record, const std::string& message) {
    const QString title = QApplication::applicationName();
    const bool farewellShown = message == kFarewellText;
    std::string said;
    if (farewellShown) {
        setWindowTitle(title + QStringLiteral(" <終了中です、、、>"));
        said = farewell(record, clock_());
    } else {
        setWindowTitle(title + " <" + text(record.GreetingTitle) + ">");
        said = message.empty() ? greetingMessage(record, clock_()) : message;
        if (said.find(kHowAreYou) != std::string::npos) {
            Timer1->start(kSelfCloseMs);
        } else {
            Timer1->stop();
        }
    }
    Panel2->setVisible(!farewellShown);
    homepage_ = record.HomepageUrl;
    Bt_hp->setToolTip(text(homepage_));
    say(shown(said));

    Memo1->clear();
    for (const std::string& line : usageFacts(record, cfgFolder_)) Memo1->appendPlainText(text(line));
    Memo1->moveCursor(QTextCursor::Start);

    if (farewellShown) {
        view::dialogs().showWindow(*this, view::WindowModality::Modeless);
        return;
    }
    view::dialogs().showWindow(*this, view::WindowModality::Modal);
    refreshGreetingTitle(record);
}

void TOha_form::showEvent(QShowEvent* event) {
    actionRunning_ = false;
    // A message longer than the label's design height stretches the window; a shorter one keeps the
    // design size, so that the pictures beside it stay whole.
    const int grown = std::max(0, La_st->heightForWidth(kLabel.width()) - kLabel.height());
    if (grown != 0) {
        La_st->resize(kLabel.width(), kLabel.height() + grown);
        Panel1->resize(kPanel1.width(), kPanel1.height() + grown);
        Panel3->resize(kPanel3.width(), kPanel3.height() + grown);
        Memo1->resize(kMemo.width(), kMemo.height() + grown);
        Panel2->move(kPanel2.x(), kPanel2.y() + grown);
        setFixedSize(kForm.width(), kForm.height() + grown);
    }
    if (!Panel2->isHidden()) Bt_close->setFocus();
    QDialog::showEvent(event);
}

void TOha_form::done(int result) {
    placeAtDesignSize();
    Timer1->stop();
    say({});
    QDialog::done(result);
}

bool TOha_form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && !actionRunning_) Timer1->stop();
    return QDialog::eventFilter(watched, event);
}

void TOha_form::Bt_helpClick() {
    const QString index = text(cfgFolder_) + QStringLiteral("/help/index.html");
    if (cfgFolder_.empty() || !QFileInfo(index).isFile()) return;
    say(QStringLiteral("ヘルプを起動中です、、"));
    view::dialogs().openInBrowser(QUrl::fromLocalFile(index));
    closeAfter(kHelpCloseMs);
}

// Only a web address reaches the browser: the record file is plain text anyone can edit, and the shell
// would open a local file or start a program just as readily.
void TOha_form::Bt_hpClick() {
    const QUrl address(text(std::string(platform::trimBlanks(homepage_))), QUrl::StrictMode);
    if (!isWebAddress(homepage_) || !address.isValid()) {
        say(QStringLiteral("ホームページの設定がありません。"));
        closeAfter(kNoHomepageCloseMs);
        return;
    }
    say(QStringLiteral("ブラウザを起動中です、、"));
    view::dialogs().openInBrowser(address);
    closeAfter(kBrowserCloseMs);
}

void TOha_form::say(const QString& message) {
    view::setCaption(La_st, message);
    La_st->repaint();
}

void TOha_form::closeAfter(int milliseconds) {
    actionRunning_ = true;
    Timer1->start(milliseconds);
}

}  // namespace companion
