// The main window's help and end buttons with the companion window, answered by the test.

#include "app/window_fixture.h"
#include "companion/companion_window.h"
#include "platform/date_time.h"

#include <QAccessible>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

using CompanionButtonsTest = StartedWindowTest;

QString announced(QObject* object) { return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name); }

TEST_F(CompanionButtonsTest, TheHelpButtonGreetsAndThenCarriesTheGreetingTitle) {
    EXPECT_EQ(window_->Bt_Oha->text(), QStringLiteral("ご挨拶"));
    EXPECT_EQ(announced(window_->Bt_Oha), QStringLiteral("ご挨拶"));
    // A click within two seconds of the start would ask what the matter is.
    window_->Oha_form->setClock([] { return platform::localNow() + std::chrono::seconds(3); });
    dialogs_.atWindow([this](QDialog&) {
        EXPECT_TRUE(window_->Oha_form->La_st->text().startsWith(QStringLiteral("はじめまして、")));
    });
    window_->Bt_Oha->click();
    ASSERT_EQ(dialogs_.windows().size(), 1u);
    EXPECT_EQ(dialogs_.windows()[0].caption, QStringLiteral("Tessaly <ご挨拶>"));
    EXPECT_EQ(window_->Bt_Oha->text(), QStringLiteral("ご挨拶"));
}

// Whether the pages are there at all, and the homepage's rules, belong to the companion window.
TEST_F(CompanionButtonsTest, TheHelpPagesOpenFromTheShippedFolder) {
    dialogs_.atWindow([this](QDialog&) { window_->Oha_form->Bt_help->click(); });
    window_->Bt_Oha->click();
    ASSERT_EQ(dialogs_.browsed().size(), 1u);
    EXPECT_EQ(dialogs_.browsed()[0], QUrl::fromLocalFile(QString::fromStdString(folder("cfg") + "/help/index.html")));
}

TEST_F(CompanionButtonsTest, TheEndButtonHidesTheWindowAndItsTimersTickEndsTheProgram) {
    window_->show();
    bool quitting = false;
    const QMetaObject::Connection watch =
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&quitting] { quitting = true; });
    window_->Bt_End->click();
    EXPECT_FALSE(window_->isVisible());  // hidden while the farewell shows
    ASSERT_TRUE(window_->Oha_form->isVisible());
    window_->Timer_end1->start(0);  // the tick is what counts here, not the four seconds before it
    // Should the program not end, the loop is left from here rather than waited on for ever.
    QTimer stuck;
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    stuck.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    QObject::disconnect(watch);
    EXPECT_TRUE(quitting);
    EXPECT_FALSE(window_->Oha_form->isVisible());
    EXPECT_NE(record().readString("user00", "time_e", ""), "");
}

TEST_F(CompanionButtonsTest, EachChartRefreshesTheHelpButtonsCaption) {
    window_->Bt_Oha->setText(QStringLiteral("古い"));
    makeChart();
    EXPECT_EQ(window_->Bt_Oha->text(), QStringLiteral("ご挨拶"));
    EXPECT_EQ(announced(window_->Bt_Oha), QStringLiteral("ご挨拶"));
    EXPECT_EQ(window_->usageRecord().ChartsMade, 1);
}

}  // namespace
