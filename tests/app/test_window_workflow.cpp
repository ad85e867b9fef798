// A working day in the window through its real controls and clipboard: paste, chart, copy, paint, clear.

#include "app/faded_caption.h"
#include "app/page_control.h"
#include "app/chart_cells.h"
#include "app/file_drop.h"
#include "app/size_dialog_driver.h"
#include "app/window_fixture.h"
#include "chart/code_painting.h"
#include "platform/qimage_bitmap.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <map>
#include <set>

namespace {

using view::CellCounts;

using WorkflowTest = StartedWindowTest;

TEST_F(WorkflowTest, PasteSizesTheAreaFromThePictureOrKeepsItWhenAskedTo) {
    QGuiApplication::clipboard()->clear();
    QApplication::processEvents();
    window_->Bt_PutClick();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("クリップボードは空です。原画をグラフィックソフトからコピーして下さい。")});

    const QImage garden(QStringLiteral(TESSALY_SOURCE_DIR "/samples/garden.png"));
    paste(garden.scaled(20, 20));
    EXPECT_EQ(cells(), (CellCounts{8, 8}));
    const QString file = QString::fromStdString(folder("dropped.png"));
    ASSERT_TRUE(garden.scaled(640, 480).save(file));
    dropFile(*window_, file);
    EXPECT_EQ(cells(), (CellCounts{200, 150}));
    EXPECT_FALSE(panel()->sourceLayer()->isHidden());

    window_->Ck_BxP->click();
    paste(garden.scaled(20, 20));
    EXPECT_EQ(cells(), (CellCounts{200, 150}));
    EXPECT_EQ(dialogs_.messages().size(), 1u);
}

TEST_F(WorkflowTest, TheWindowsChartHasTheCommandLinesCells) {
    const QString garden = QStringLiteral(TESSALY_SOURCE_DIR "/samples/garden.png");
    makeChart();
    ASSERT_TRUE(dialogs_.messages().empty());

    const std::string codes = folder("codes.csv");
    QProcess cli;
    cli.start(QStringLiteral(TESSALY_CLI), {"chart", garden, "--cfg", QString::fromStdString(folder("cfg")), "--codes",
                                            QString::fromStdString(codes), "--json"});
    ASSERT_TRUE(cli.waitForFinished(30000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QString summary = QString::fromUtf8(cli.readAllStandardOutput());

    QFile file(QString::fromStdString(codes));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    const chart::ChartModel& model = window_->document().model();
    ASSERT_EQ(rows.size(), model.rows);
    for (int row = 0; row < model.rows; ++row) {
        const QStringList fields = rows[row].split(',');
        ASSERT_EQ(fields.size(), model.columns);
        for (int column = 0; column < model.columns; ++column) {
            ASSERT_EQ(fields[column].toStdString(), codeAt(*window_, column, row)) << column << "," << row;
        }
    }
    EXPECT_TRUE(summary.contains("\"colours\":" + window_->Ed_cnt1->text() + ","));
}

TEST_F(WorkflowTest, AnEnlargedOrShrunkChartShowsEachCellAsOneSolidBlockOfItsColour) {
    makeChart();
    const std::size_t colours = window_->Ed_cnt1->text().toUInt();
    ASSERT_GT(colours, 20u);
    const auto shownColours = [this] {
        const QImage shown = panel()->chartLayer()->grab().toImage();
        std::set<QRgb> seen;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) seen.insert(shown.pixel(x, y));
        }
        return seen;
    };
    const std::set<QRgb> threads = shownColours();
    EXPECT_EQ(threads.size(), colours);

    // The corner dragged outward by half the size, as the hand does it.
    const QSize made = panel()->size();
    QTest::mousePress(panel(), Qt::LeftButton, Qt::NoModifier, QPoint(made.width() - 5, made.height() - 5));
    QTest::mouseRelease(panel(), Qt::LeftButton, Qt::NoModifier, QPoint(made.width() * 3 / 2, made.height() * 3 / 2));
    ASSERT_GT(panel()->width(), made.width());
    EXPECT_EQ(shownColours(), threads);

    // Fewer cells chosen in the size dialog shrink it: cells drop out, but no colour is mixed.
    dialogs_.answerChoiceDialog<app::TF_size>([](app::TF_size& dialog) {
        typeCells(dialog.SEdit1, "37");
        typeCells(dialog.SEdit2, "23");
        QTest::mouseClick(dialog.OK, Qt::LeftButton);
    });
    QTest::mouseClick(panel()->parentWidget()->findChild<QLabel*>("L_size"), Qt::LeftButton);
    ASSERT_EQ(cells(), (CellCounts{37, 23}));
    const std::set<QRgb> shrunk = shownColours();
    EXPECT_TRUE(std::includes(threads.begin(), threads.end(), shrunk.begin(), shrunk.end()));
}

TEST_F(WorkflowTest, CopyAtScreenSizeOrOnePixelPerCellAndClearInTwoStages) {
    makeChart();
    const chart::ChartModel& model = window_->document().model();

    window_->Bt_copyClick();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(model.columns * 3, model.rows * 3));
    window_->Ck_BxC->click();
    window_->Bt_copyClick();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(model.columns, model.rows));

    window_->Bt_ClrClick();
    EXPECT_TRUE(panel()->chartLayer()->pixmap().isNull());
    EXPECT_FALSE(panel()->sourceLayer()->isHidden());
    EXPECT_TRUE(app::isCaptionFaded(window_->Bt_copy));
    window_->Bt_ClrClick();
    EXPECT_TRUE(panel()->sourceLayer()->isHidden());
    EXPECT_TRUE(app::isCaptionFaded(window_->Bt2_main));
    EXPECT_TRUE(app::isCaptionFaded(window_->Bt_Clr));
}

TEST_F(WorkflowTest, TheLookBoxChoosesTheChartsColoursAndTheNextRunKeepsIt) {
    makeChart();
    const chart::ChartModel usual = window_->document().model();
    const QString offHint = window_->Ck_Bx3->toolTip();
    window_->Ck_Bx3->click();
    EXPECT_NE(window_->Ck_Bx3->toolTip(), offHint);
    window_->Bt2_mainClick();
    const chart::ChartModel& look = window_->document().model();
    EXPECT_TRUE(look.options.appearance);
    EXPECT_NE(look.picture, usual.picture);
    EXPECT_LE(window_->Ed_cnt1->text().toInt(), window_->Sp_Ed1->value());

    window_->close();
    EXPECT_EQ(record().readString("option", "op3", ""), "1");
    window_ = start();
    EXPECT_TRUE(window_->Ck_Bx3->isChecked());
}

TEST_F(WorkflowTest, PaintingTabNeedsAChart) {
    window_->PageControl1->setCurrentIndex(1);
    EXPECT_EQ(window_->PageControl1->currentIndex(), 0);
    EXPECT_EQ(messages(), QStringList{QStringLiteral("図案がまだ作成されていません。")});
}

TEST_F(WorkflowTest, PickAndPaintThenLeavingRecountsTheColours) {
    makeChart();
    const chart::ChartModel& model = window_->document().model();
    const int coloursBefore = window_->Ed_cnt1->text().toInt();

    // The rarest colour of the chart, painted over with the colour of the first cell.
    std::map<std::string, std::vector<std::pair<int, int>>> cellsOf;
    for (int column = 0; column < model.columns; ++column) {
        for (int row = 0; row < model.rows; ++row) cellsOf[codeAt(*window_, column, row)].emplace_back(column, row);
    }
    const std::string penCode = codeAt(*window_, 0, 0);
    auto rarest = cellsOf.end();
    for (auto it = cellsOf.begin(); it != cellsOf.end(); ++it) {
        if (it->first != penCode && (rarest == cellsOf.end() || it->second.size() < rarest->second.size())) rarest = it;
    }
    ASSERT_NE(rarest, cellsOf.end());

    window_->PageControl1->setCurrentIndex(1);
    ASSERT_EQ(window_->PageControl1->currentIndex(), 1);
    EXPECT_FALSE(window_->BitBtn1->isEnabled());
    pressCell(*window_, 0, 0, Qt::ShiftModifier);
    EXPECT_TRUE(window_->BitBtn1->isEnabled());

    for (const auto& [column, row] : rarest->second) pressCell(*window_, column, row);
    EXPECT_EQ(codeAt(*window_, rarest->second.front().first, rarest->second.front().second), penCode);
    window_->PageControl1->setCurrentIndex(0);
    EXPECT_EQ(window_->Ed_cnt1->text().toInt(), coloursBefore - 1);
}

// Where the chart layer is repainted on screen.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* layer) { layer->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// Each edit repaints its one cell, and the chart picture stays what a full drawing gives.
TEST_F(WorkflowTest, EditsRepaintTheirCellAndKeepTheChartPictureWhole) {
    makeChart();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    window_->PageControl1->setCurrentIndex(app::paintingTab);
    const chart::ChartModel& model = window_->document().model();
    view::ChartLayer* layer = panel()->chartLayer();
    const auto fullDrawing = [&] {
        return QPixmap::fromImage(platform::imageFromBitmap(chart::chartBitmap(model))).toImage();
    };
    const auto repainted = [&](const auto& edit) {
        QApplication::processEvents();
        PaintWatch watch(layer);
        edit();
        QApplication::processEvents();
        return watch.painted.boundingRect();
    };
    const std::string penCode = codeAt(*window_, 0, 0);
    int row = 0;
    while (codeAt(*window_, 0, row) == penCode) ++row;
    ASSERT_LT(row, model.rows);
    const double across = double(layer->width()) / model.columns;
    const double down = double(layer->height()) / model.rows;
    const QRect cellOnScreen =
        QRect(QPoint(0, int(row * down)), QPoint(int(across) + 1, int((row + 1) * down) + 1)).adjusted(-2, -2, 2, 2);

    // No pen yet, then nothing to undo or redo: nothing changes, nothing is repainted.
    EXPECT_TRUE(repainted([&] { pressCell(*window_, 0, row); }).isEmpty());
    pressCell(*window_, 0, 0, Qt::ShiftModifier);
    EXPECT_TRUE(repainted([&] { window_->BitBtn3Click(); }).isEmpty());

    const QRect painted = repainted([&] { pressCell(*window_, 0, row); });
    EXPECT_EQ(codeAt(*window_, 0, row), penCode);
    EXPECT_FALSE(painted.isEmpty());
    EXPECT_TRUE(cellOnScreen.contains(painted));
    EXPECT_EQ(layer->pixmap().toImage(), fullDrawing());

    EXPECT_TRUE(cellOnScreen.contains(repainted([&] { window_->BitBtn3->click(); })));
    EXPECT_NE(codeAt(*window_, 0, row), penCode);
    EXPECT_EQ(layer->pixmap().toImage(), fullDrawing());

    EXPECT_TRUE(cellOnScreen.contains(repainted([&] { window_->BitBtn4->click(); })));
    EXPECT_EQ(codeAt(*window_, 0, row), penCode);
    EXPECT_EQ(layer->pixmap().toImage(), fullDrawing());
    EXPECT_TRUE(repainted([&] { window_->BitBtn4Click(); }).isEmpty());
}

}  // namespace
