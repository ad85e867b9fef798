#include "view/widget_hint.h"
#include "app/hint_handler.h"
#include "app/status_line.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using app::StatusLine;

TEST(Hints, ShortPartBeforeTheFirstBarLongPartAfterIt) {
    EXPECT_EQ(view::shortHint("ペンの色|準備として"), "ペンの色");
    EXPECT_EQ(view::longHint("ペンの色|準備として"), "準備として");
    EXPECT_EQ(view::shortHint("|<塗る> 色を塗ります"), "");
    EXPECT_EQ(view::longHint("|<塗る> 色を塗ります"), "<塗る> 色を塗ります");
    EXPECT_EQ(view::shortHint("a|b|c"), "a");
    EXPECT_EQ(view::longHint("a|b|c"), "b|c");
    EXPECT_EQ(view::shortHint("ヒント"), "ヒント");
    EXPECT_EQ(view::longHint("ヒント"), "ヒント");
}

class StatusLineTest : public testing::Test {
protected:
    QWidget window;
    StatusLine statusLine{&window};
    app::HintHandler handler{&statusLine, [] { return QString("令和6年5月1日(水曜日)  "); }, nullptr};
    QPushButton button{"終了", &window};
};

TEST_F(StatusLineTest, HoverShowsTheLongHintAndTheDateLeavingClearsIt) {
    view::setHint(&button, "終了します。|<終了> 画面を閉じて、終了します。");
    EXPECT_EQ(button.toolTip(), "終了します。");

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&button, &enter);
    EXPECT_EQ(statusLine.panelText(StatusLine::hintPanel), "<終了> 画面を閉じて、終了します。");
    EXPECT_EQ(statusLine.panelText(StatusLine::datePanel), "令和6年5月1日(水曜日)  ");

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    EXPECT_EQ(statusLine.panelText(StatusLine::hintPanel), "");
}

TEST_F(StatusLineTest, ANewHintUnderTheMouseShowsAtOnce) {
    button.setAttribute(Qt::WA_UnderMouse);
    view::setHint(&button, "図案作成を設定します。|<図案> 図案作成の各種オプションを設定します。");
    EXPECT_EQ(statusLine.panelText(StatusLine::hintPanel), "<図案> 図案作成の各種オプションを設定します。");
}
