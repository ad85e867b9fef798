#include "view/picture_area_view.h"
#include "view/rulers.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace view;
using namespace std::chrono_literals;

namespace {

// The rulers and the picture area wired as the main window wires them, on a clock the test moves.
class PictureAreaWidgets : public ::testing::Test {
protected:
    PictureAreaWidgets() {
        rulers = new Rulers(&box);
        area = new PictureAreaView(&box, [this] { return now; });
        QObject::connect(area, &PictureAreaView::cellCountsChanged, rulers, &Rulers::showCellCounts);
        reading = rulers->draw();
        area->setCellSize(rulers->cellSize());
        area->showCells(CellCounts{150, 130});
        area->move(rulers->zeroMark() - area->clientOffset());
    }

    QString text(const char* label) const { return box.findChild<QLabel*>(label)->text(); }

    std::chrono::steady_clock::time_point now{};
    QWidget box;
    Rulers* rulers;
    PictureAreaView* area;
    RulerReading reading;
};

TEST_F(PictureAreaWidgets, TheRulersShowTheCellCountsKeptWithin8To200AndCountZeroMeetsTheChartsCorner) {
    EXPECT_TRUE(reading.refusal.empty());
    EXPECT_EQ(text("La_mx"), "150");
    EXPECT_EQ(text("La_my"), "130");
    // The chart's client corner sits on count 0 of both rulers.
    EXPECT_EQ(area->panel()->mapTo(&box, area->panel()->contentsRect().topLeft()), rulers->zeroMark());
    area->showCells(CellCounts{300, 5});
    EXPECT_EQ(area->cellCounts(), (CellCounts{200, 8}));
    EXPECT_EQ(area->panel()->size(), QSize(608, 32));
}

TEST_F(PictureAreaWidgets, DraggingTheRightEdgeResizesAtThePaceAndSnapsOnRelease) {
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    PicturePanel* panel = area->panel();
    QSignalSpy resized(area, &PictureAreaView::areaResized);

    QTest::mouseMove(panel, QPoint(453, 100));
    EXPECT_EQ(panel->cursor().shape(), Qt::SizeHorCursor);

    QTest::mousePress(panel, Qt::LeftButton, Qt::NoModifier, QPoint(453, 100));
    now += 150ms;
    QTest::mouseMove(panel, QPoint(520, 100));
    EXPECT_EQ(resized.count(), 0);
    now += 100ms;
    QTest::mouseMove(panel, QPoint(520, 100));
    EXPECT_EQ(panel->width(), 526);
    EXPECT_EQ(text("La_mx"), "172");  // (526 - 8) / 3, the part cell dropped
    now += 10ms;
    QTest::mouseMove(panel, QPoint(580, 100));
    EXPECT_EQ(panel->width(), 526);
    // Let go within three pixels of 200 cells: the edge goes the rest of the way.
    QTest::mouseRelease(panel, Qt::LeftButton, Qt::NoModifier, QPoint(600, 100));
    EXPECT_EQ(panel->size(), QSize(608, 398));
    EXPECT_EQ(resized.count(), 2);
}

// How the text reads for each kind of fabric is tested on sizeText itself (test_view_rules.cpp).
TEST_F(PictureAreaWidgets, SizeTextFollowsTheFabricAndSitsUnderTheArea) {
    area->setFabric(palette::Fabric{"1センチ11目", 0.91, "mm"});
    EXPECT_EQ(text("L_size"), "1センチ11目(#0.91mm) ＜横:13.6cm (150) × 縦:11.8cm (130)＞");
    EXPECT_EQ(box.findChild<QWidget*>("P_size")->y(), area->panel()->geometry().bottom() + 1);
}

TEST_F(PictureAreaWidgets, RestoreBringsBackTheSizeTheChartWasMadeAt) {
    QSignalSpy availability(area, &PictureAreaView::restoreAvailabilityChanged);
    area->recordChartSize();
    EXPECT_FALSE(area->canRestoreSize());
    area->showCells(CellCounts{180, 130});
    EXPECT_TRUE(area->canRestoreSize());
    area->restoreSize();
    EXPECT_EQ(area->cellCounts(), (CellCounts{150, 130}));
    EXPECT_EQ(area->panel()->size(), QSize(458, 398));
    EXPECT_FALSE(area->canRestoreSize());
    ASSERT_EQ(availability.count(), 2);

    area->forgetChartSize();
    area->showCells(CellCounts{180, 130});
    area->restoreSize();
    EXPECT_EQ(area->cellCounts(), (CellCounts{180, 130}));
}

// While a workbook is written or read the panel is disabled; the chart stays as it is, not dimmed.
TEST_F(PictureAreaWidgets, ADisabledPanelShowsItsPictureUndimmed) {
    PicturePanel* panel = area->panel();
    QPixmap chart(4, 4);
    chart.fill(QColor(200, 40, 40));
    panel->chartLayer()->setPixmap(chart);
    panel->chartLayer()->setGeometry(0, 0, 40, 40);
    panel->chartLayer()->show();
    panel->setEnabled(false);
    const QImage shown = panel->chartLayer()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(20, 20), QColor(200, 40, 40));
    EXPECT_EQ(shown.pixelColor(39, 39), QColor(200, 40, 40));
}

}  // namespace

// The widgets need an application that outlives every test and is gone before the program exits.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
