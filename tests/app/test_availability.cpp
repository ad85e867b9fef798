#include "app/availability.h"
#include "app/availability_controls.h"
#include "view/colours.h"
#include "app/faded_caption.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

#include <gtest/gtest.h>

using app::AvailabilityFacts;
using app::AvailabilityFlags;
using app::controlStates;
using app::recomputeFlags;

namespace {

// The flags of a window holding a source picture and a chart with the chart shown.
AvailabilityFlags chartMade() {
    return {.picturePresent = true, .chartPresent = true};
}

}  // namespace

TEST(Availability, EachFlagFollowsItsFacts) {
    EXPECT_EQ(recomputeFlags({}), AvailabilityFlags{});
    EXPECT_EQ(recomputeFlags({.clipboardHasPicture = true, .picturePresent = true, .chartPresent = true,
                              .chartVisible = false, .activeTab = app::paintingTab, .penColourIndex = 0,
                              .undoAvailable = true, .redoAvailable = true}),
              (AvailabilityFlags{true, true, true, true, true, true, true, true}));
    // A hidden Image2 shows the source only over a chart that exists.
    EXPECT_FALSE(recomputeFlags({.chartPresent = false, .chartVisible = false}).sourceShown);
    EXPECT_FALSE(recomputeFlags({.chartPresent = true, .chartVisible = true}).sourceShown);
}

TEST(Availability, MainButtonsAndSwitchFollowPictureAndChart) {
    const app::ControlStates pasted = controlStates({.clipboardHasPicture = true, .picturePresent = true});
    EXPECT_TRUE(pasted.putNormal && pasted.pasteItemEnabled && pasted.openItemEnabled && pasted.mainNormal &&
                pasted.clearNormal);
    EXPECT_FALSE(pasted.copyNormal || pasted.excelNormal || pasted.switchItemEnabled);
    EXPECT_EQ(pasted.switchItemCaption, "原画/図案切替");

    const app::ControlStates charted = controlStates(chartMade());
    EXPECT_TRUE(charted.copyNormal && charted.copyItemEnabled && charted.excelNormal && charted.switchItemEnabled);
    EXPECT_EQ(charted.switchItemCaption, "→原画を表示");

    AvailabilityFlags sourceShown = chartMade();
    sourceShown.sourceShown = true;
    const app::ControlStates switched = controlStates(sourceShown);
    EXPECT_FALSE(switched.copyNormal || switched.copyItemEnabled);
    EXPECT_TRUE(switched.excelNormal && switched.clearItemEnabled);
    EXPECT_EQ(switched.switchItemCaption, "→図案を表示");
}

TEST(Availability, PaintingTabTurnsOffPopupItemsAndGatesTools) {
    AvailabilityFlags painting = chartMade();
    painting.clipboardHasPicture = true;
    painting.editMode = true;
    painting.undoAvailable = true;
    const app::ControlStates noPen = controlStates(painting);
    EXPECT_FALSE(noPen.pasteItemEnabled || noPen.openItemEnabled || noPen.copyItemEnabled || noPen.clearItemEnabled);
    EXPECT_TRUE(noPen.putNormal && noPen.copyNormal);
    EXPECT_FALSE(noPen.paintEnabled || noPen.redoEnabled);
    EXPECT_TRUE(noPen.pickEnabled && noPen.undoEnabled);

    painting.penColourChosen = true;
    EXPECT_TRUE(controlStates(painting).paintEnabled);
    painting.sourceShown = true;
    const app::ControlStates onSource = controlStates(painting);
    EXPECT_FALSE(onSource.paintEnabled || onSource.pickEnabled || onSource.undoEnabled || onSource.redoEnabled);
}

TEST(Availability, RefreshFadesCaptionsToTheWindowColourAndBringsTheirOwnBack) {
    QWidget window;
    QPalette cream = window.palette();
    cream.setColor(QPalette::Window, view::cream);
    window.setPalette(cream);
    QPushButton put("貼付け", &window), main("図案作成", &window), copy("コピー", &window), clear("クリア", &window),
        excel("Excel出力", &window), pdf("PDF出力", &window);
    QFont underlined = main.font();
    underlined.setUnderline(true);
    main.setFont(underlined);
    QPalette maroon = main.palette();
    maroon.setColor(QPalette::ButtonText, QColor(128, 0, 0));
    main.setPalette(maroon);
    QAction paste("貼付け"), open("画像ファイルを開く…"), copyItem("コピー"), clearItem("クリア"), switchItem("画面切替");
    QToolButton paint, pick, undo, redo;
    const app::AvailabilityControls controls{&put,      &main,      &copy,       &clear, &excel, &pdf,  &paste, &open,
                                             &copyItem, &clearItem, &switchItem, &paint, &pick,  &undo, &redo};
    const QColor normalText = put.palette().color(QPalette::ButtonText);

    app::refreshControls(controls, {});
    for (QPushButton* button : {&put, &main, &copy, &clear, &excel, &pdf}) {
        EXPECT_TRUE(app::isCaptionFaded(button)) << button->text().toStdString();
        EXPECT_EQ(button->palette().color(QPalette::ButtonText), view::cream) << button->text().toStdString();
    }
    EXPECT_TRUE(main.font().underline());
    EXPECT_FALSE(paste.isEnabled());
    EXPECT_FALSE(switchItem.isEnabled());
    EXPECT_EQ(switchItem.text(), "原画/図案切替");

    app::refreshControls(controls, chartMade());
    EXPECT_EQ(main.palette().color(QPalette::ButtonText), QColor(128, 0, 0));
    EXPECT_TRUE(main.font().underline());
    EXPECT_EQ(copy.palette().color(QPalette::ButtonText), normalText);
    EXPECT_TRUE(app::isCaptionFaded(&put));
    EXPECT_TRUE(copyItem.isEnabled());
    EXPECT_EQ(switchItem.text(), "→原画を表示");

    AvailabilityFlags painting = chartMade();
    painting.editMode = true;
    EXPECT_TRUE(open.isEnabled());
    app::refreshControls(controls, painting);
    EXPECT_FALSE(open.isEnabled());
}
