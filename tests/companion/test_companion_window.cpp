// The companion window through its real controls, its windows and browser hand-overs answered by the test.

#include "view/scripted_dialogs.h"
#include "companion/companion_window.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

using namespace std::chrono;
using companion::TOha_form;
using companion::UsageRecord;
using platform::LocalDateTime;

namespace {

const LocalDateTime kNow = local_days{2026y / 12 / 6} + 10h;

// What assistive technology announces for a control or window.
QString announced(QObject* object) { return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name); }

// The Qt warnings printed while it lives.
struct QtWarnings {
    QtWarnings() { printed().clear(); }
    ~QtWarnings() { qInstallMessageHandler(previous); }
    static QStringList& printed() { static QStringList messages; return messages; }
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type != QtDebugMsg && type != QtInfoMsg) printed().append(text);
        });
};

class CompanionWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(cfg() + "/help");
        QFile index(QString::fromStdString(helpIndex()));
        ASSERT_TRUE(index.open(QIODevice::WriteOnly));
        index.write("<!DOCTYPE html><title>x</title>");
        record_.Machine = record_.StoredMachine = "pc1";
        record_.User = record_.StoredUser = "alice";
        record_.Version = record_.StoredVersion = 100;
        record_.UseCount = 7;
        record_.FirstUse = kNow - days(100);
        record_.ThisStart = kNow;
        record_.PreviousStart = kNow - days(1);
        record_.PreviousEnd = record_.PreviousStart + 10min;
        record_.LastGreetingTime = kNow - 1h;
        record_.GreetingTitle = "ヘルプ";
        record_.HomepageUrl = "https://example.org/tessaly";
        window_.setClock([this] { return now_; });
    }

    std::string cfg() const { return dir_.filePath("cfg").toStdString(); }
    std::string helpIndex() const { return cfg() + "/help/index.html"; }

    // Shows a greeting and, while it is open, does what the user does.
    void greet(std::function<void(TOha_form&)> meanwhile) {
        dialogs_.atWindow([this, meanwhile](QDialog&) { meanwhile(window_); });
        window_.showCompanion(record_, {});
    }

    static void moveMouseOver(QWidget* widget) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    QTemporaryDir dir_;
    ScriptedDialogs dialogs_;
    UsageRecord record_;
    LocalDateTime now_ = kNow;
    TOha_form window_{dir_.filePath("cfg").toStdString()};
};

TEST_F(CompanionWindowTest, AGreetingShowsModallyWithItsTitleAndTheUsageFactsAndThenRefreshesTheTitle) {
    record_.UseCount = 1;
    greet([](TOha_form& w) {
        EXPECT_EQ(w.La_st->text(), QStringLiteral("はじめまして、\n図案作成ツールTessalyでございます。\n"
                                                  "これからのお付き合い、よろしくお願いいたします。"));
        EXPECT_TRUE(w.Panel2->isVisible());
        EXPECT_EQ(w.focusWidget(), w.Bt_close);
        EXPECT_FALSE(w.Timer1->isActive());  // it does not ask how the user is
        EXPECT_TRUE(w.Memo1->toPlainText().contains(QStringLiteral("利用ユーザ alice 様")));  // the usage facts
    });
    ASSERT_EQ(dialogs_.windows().size(), 1u);
    EXPECT_EQ(dialogs_.windows()[0].caption, QStringLiteral("Tessaly <ヘルプ>"));
    EXPECT_EQ(dialogs_.windows()[0].modality, view::WindowModality::Modal);
    EXPECT_EQ(record_.GreetingTitle, "ご挨拶");
    EXPECT_TRUE(window_.La_st->text().isEmpty());
}

TEST_F(CompanionWindowTest, AskingHowTheUserIsClosesAfterSixSecondsUnlessTheMouseMovesOverIt) {
    for (QWidget* over : {static_cast<QWidget*>(&window_), window_.Memo1->viewport(), static_cast<QWidget*>(window_.La_st)}) {
        now_ += 1min;
        greet([over](TOha_form& w) {
            EXPECT_TRUE(w.La_st->text().endsWith(QStringLiteral("調子はいかがですか？")));
            EXPECT_TRUE(w.Timer1->isActive());
            EXPECT_EQ(w.Timer1->interval(), 6000);
            moveMouseOver(over);
            EXPECT_FALSE(w.Timer1->isActive()) << over->objectName().toStdString();
        });
    }
    // Left alone, the timer closes it.
    now_ += 1min;
    greet([](TOha_form& w) {
        w.Timer1->setInterval(10);  // six seconds are long in a test; what matters is the close
        EXPECT_TRUE(QTest::qWaitFor([&w] { return !w.isVisible(); }, 2000));
    });
}

TEST_F(CompanionWindowTest, AOneLineMessageKeepsTheDesignSizeAndALongOneStretchesTheWindowUntilItCloses) {
    const QSize designSize = window_.size();
    const int designButtons = window_.Panel2->y();
    dialogs_.atWindow([&](QDialog&) {
        EXPECT_EQ(window_.size(), designSize);
        for (QLabel* picture : window_.findChildren<QLabel*>()) {
            if (picture->pixmap().isNull()) continue;
            const QRect shown = picture->geometry().intersected(picture->parentWidget()->rect());
            EXPECT_EQ(shown.size(), picture->pixmap().size()) << picture->parentWidget()->objectName().toStdString();
            EXPECT_TRUE(window_.rect().contains(picture->parentWidget()->geometry()));
        }
    });
    window_.showCompanion(record_, "どうしましたか？");

    dialogs_.atWindow([&](QDialog&) {
        const int grown = window_.height() - designSize.height();
        EXPECT_GT(grown, 0);
        EXPECT_EQ(window_.Panel2->y(), designButtons + grown);
        EXPECT_EQ(window_.Memo1->height(), 84 + grown);  // its design height is 84
        EXPECT_GE(window_.La_st->height(), window_.La_st->heightForWidth(250));
    });
    window_.showCompanion(record_, std::string(12, '\n') + "おわり");
    EXPECT_EQ(window_.size(), designSize);
    EXPECT_EQ(window_.Panel2->y(), designButtons);
}

TEST_F(CompanionWindowTest, TheUsageFactsFitTheMemoInItsSmallerFaceAndNothingIsPrintedOnTheWay) {
    const QtWarnings warnings;
    TOha_form window(cfg());
    EXPECT_TRUE(warnings.printed().isEmpty()) << warnings.printed().join('\n').toStdString();
    EXPECT_LT(QFontInfo(window.Memo1->font()).pixelSize(), QFontInfo(window.font()).pixelSize());

    record_.FirstUse = local_days{2026y / 12 / 28} + 10h;
    record_.UseCount = 1234;
    window.showCompanion(record_, "end");
    const int room = window.Memo1->viewport()->width() - 2 * static_cast<int>(window.Memo1->document()->documentMargin());
    const QStringList facts = window.Memo1->toPlainText().split('\n');
    ASSERT_GE(facts.size(), 4);
    for (const QString& fact : facts.first(4)) {  // the version, two dates and the count
        EXPECT_LE(window.Memo1->fontMetrics().horizontalAdvance(fact), room) << fact.toStdString();
    }
    window.close();
}

TEST_F(CompanionWindowTest, TheMessageAndTheCaptionAreAnnouncedAsShown) {
    greet([](TOha_form& w) {
        EXPECT_FALSE(w.La_st->text().isEmpty());
        EXPECT_EQ(announced(w.La_st), w.La_st->text());
        EXPECT_EQ(announced(&w), QStringLiteral("Tessaly <ヘルプ>"));
        w.Bt_hp->click();
        EXPECT_EQ(announced(w.La_st), QStringLiteral("ブラウザを起動中です、、"));
    });
    window_.showCompanion(record_, "end");
    EXPECT_EQ(announced(&window_), QStringLiteral("Tessaly <終了中です、、、>"));
    EXPECT_EQ(announced(window_.La_st), window_.La_st->text());
    window_.close();
}

TEST_F(CompanionWindowTest, TheFarewellShowsWithoutWaitingAndWithoutButtons) {
    record_.UseCount = 3;
    window_.showCompanion(record_, "end");
    ASSERT_EQ(dialogs_.windows().size(), 1u);
    EXPECT_EQ(dialogs_.windows()[0].modality, view::WindowModality::Modeless);
    EXPECT_EQ(dialogs_.windows()[0].caption, QStringLiteral("Tessaly <終了中です、、、>"));
    EXPECT_TRUE(window_.Panel2->isHidden());
    EXPECT_EQ(window_.La_st->text(), QStringLiteral("ご利用ありがとうございます。\nまたのご利用をお待ちしております。"));
    EXPECT_EQ(record_.GreetingCalls, 0);
}

TEST_F(CompanionWindowTest, HelpOpensTheHelpPagesAndClosesSoonAfterWhateverTheMouseDoes) {
    greet([this](TOha_form& w) {
        w.Bt_help->click();
        EXPECT_EQ(w.La_st->text(), QStringLiteral("ヘルプを起動中です、、"));
        EXPECT_EQ(w.Timer1->interval(), 500);
        moveMouseOver(w.Memo1->viewport());
        EXPECT_TRUE(w.Timer1->isActive());
        EXPECT_TRUE(QTest::qWaitFor([&w] { return !w.isVisible(); }, 3000));
    });
    ASSERT_EQ(dialogs_.browsed().size(), 1u);
    EXPECT_EQ(dialogs_.browsed()[0], QUrl::fromLocalFile(QString::fromStdString(helpIndex())));
}

TEST_F(CompanionWindowTest, HelpDoesNothingWithoutTheHelpPages) {
    std::filesystem::remove(helpIndex());
    greet([](TOha_form& w) {
        const QString greeting = w.La_st->text();
        const bool timing = w.Timer1->isActive();
        w.Bt_help->click();
        EXPECT_EQ(w.La_st->text(), greeting);
        EXPECT_EQ(w.Timer1->isActive(), timing);
        EXPECT_TRUE(w.isVisible());
    });
    EXPECT_TRUE(dialogs_.browsed().empty());
}

// The address comes from a file anyone can edit: whatever is not a web address is never opened.
// Which addresses are web addresses is tested in test_usage_facts.cpp.
TEST_F(CompanionWindowTest, TheHomepageButtonOpensOnlyWebAddresses) {
    const struct {
        const char* address;
        bool opened;
    } cases[] = {{"https://example.org/tessaly", true}, {"", false}, {"file:///etc/passwd", false}};
    for (const auto& c : cases) {
        now_ += 1min;
        record_.HomepageUrl = c.address;
        const std::size_t before = dialogs_.browsed().size();
        greet([&c](TOha_form& w) {
            w.Bt_hp->click();
            EXPECT_EQ(w.La_st->text(), c.opened ? QStringLiteral("ブラウザを起動中です、、")
                                                : QStringLiteral("ホームページの設定がありません。"))
                << c.address;
            EXPECT_EQ(w.Timer1->interval(), c.opened ? 2000 : 5000);
            EXPECT_TRUE(w.Timer1->isActive());
        });
        ASSERT_EQ(dialogs_.browsed().size(), before + (c.opened ? 1u : 0u)) << c.address;
        if (c.opened) {
            EXPECT_EQ(dialogs_.browsed().back(), QUrl(QString::fromUtf8(c.address)));
        }
    }
}

}  // namespace
