#include "view/widget_hint.h"
#include "app/pen_reset.h"
#include "app/screen_switch.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

using app::AvailabilityFlags;
using app::picturesAfterSwitch;
using app::ShownPictures;

TEST(ScreenSwitch, TogglesBetweenSourceAndChartOnlyWhenBothExist) {
    EXPECT_EQ(picturesAfterSwitch({}), std::nullopt);
    EXPECT_EQ(picturesAfterSwitch({.picturePresent = true}), std::nullopt);
    EXPECT_EQ(picturesAfterSwitch({.chartPresent = true, .sourceShown = false}), std::nullopt);

    AvailabilityFlags flags{.picturePresent = true, .chartPresent = true};
    EXPECT_EQ(picturesAfterSwitch(flags), (ShownPictures{std::nullopt, false}));
    flags.sourceShown = true;
    EXPECT_EQ(picturesAfterSwitch(flags), (ShownPictures{std::nullopt, true}));
    flags.editMode = true;
    EXPECT_EQ(picturesAfterSwitch(flags), (ShownPictures{false, true}));
    flags.sourceShown = false;
    EXPECT_EQ(picturesAfterSwitch(flags), (ShownPictures{true, false}));
}

TEST(PenReset, TheSwatchTellsHowToPickAPen) {
    QPlainTextEdit Memo3("DMC 310");
    QPalette swatch = Memo3.palette();
    swatch.setColor(QPalette::Base, Qt::red);
    Memo3.setPalette(swatch);
    QToolButton BitBtn1;
    view::setHint(&BitBtn1, "|<塗る> 310 黒");

    app::showNoPen(&Memo3, &BitBtn1);
    EXPECT_EQ(Memo3.toPlainText(), "ペンの色");
    EXPECT_EQ(Memo3.toolTip(), "ペンの色");
    EXPECT_EQ(Memo3.statusTip(), "準備として、図案から「SHIFT+クリック」で色取得してください。");
    EXPECT_EQ(Memo3.palette().color(QPalette::Base), QApplication::palette(&Memo3).color(QPalette::Base));
    EXPECT_EQ(BitBtn1.statusTip(), view::longHint(app::noPenPaintHint));
}
