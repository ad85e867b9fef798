// The document's operations as the window and the command line call them, on the shipped settings
// and a small picture in bands, charted 20 cells across and 15 down so that no width can pass for a
// height.

#include "document/chart_document.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

constexpr int kColumns = 20;
constexpr int kRows = 15;
constexpr int kCell = 2;
const std::string kDmc = "DMC(刺繍糸)";
const std::string kIcons = "アイコン";

platform::Bitmap bands() {
    platform::Bitmap picture(kColumns * kCell, kRows * kCell);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.set(x, y, platform::Rgb{static_cast<std::uint8_t>(x * 6), static_cast<std::uint8_t>(y * 8),
                                            static_cast<std::uint8_t>(x < picture.width() / 2 ? 40 : 220)});
        }
    }
    return picture;
}

class ChartDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(document.start({}).loaded());
        ASSERT_EQ(document.currentSystem(), kDmc);
        document.takePicture(bands());
    }
    void TearDown() override { std::filesystem::remove(workbook); }

    chart::ChartOutcome makeChart(bool appearance = false) {
        chart::ChartChoices choices = document.choices();
        choices.maxColours = 12;
        choices.appearance = appearance;
        return document.makeChart(document::ChartRequest{{kColumns * kCell, kRows * kCell}, {kCell, kCell}, choices});
    }

    document::ChartDocument document{TESSALY_SOURCE_CFG};
    excel::WorkbookProgress quiet;
    const std::string workbook =
        (std::filesystem::temp_directory_path() / ("tessaly-document-" + std::to_string(::getpid()) + ".xlsx")).string();
};

TEST_F(ChartDocumentTest, AChartIsMadeAndLeavesItsChoicesForTheNextRun) {
    EXPECT_FALSE(document.hasChart());
    const chart::ChartOutcome outcome = makeChart();
    ASSERT_EQ(outcome.message, "");
    ASSERT_TRUE(outcome.reduction.success);
    ASSERT_TRUE(document.hasChart());
    EXPECT_EQ(document.resultColours(), outcome.reduction.colours);
    EXPECT_EQ(document.chartPanel(), (view::AreaSize{kColumns * kCell + view::kPanelFrame, kRows * kCell + view::kPanelFrame}));

    const document::SavedOptions& saved = document.savedOptions();
    EXPECT_TRUE(document.chartMade());
    EXPECT_EQ(std::tie(saved.columns, saved.rows, saved.systemIndex, saved.maxColours), std::tuple(kColumns, kRows, 0, 12));
    EXPECT_EQ(std::tie(saved.countSize, saved.fabricUnit), std::tie(document.fabric().countSize, document.fabric().unit));
}

TEST_F(ChartDocumentTest, ClearingTakesTheChartFirstAndThenThePicture) {
    ASSERT_EQ(makeChart().message, "");
    EXPECT_TRUE(document.clear());
    EXPECT_FALSE(document.hasChart());
    EXPECT_FALSE(document.chartPanel());
    EXPECT_TRUE(document.hasPicture());
    EXPECT_FALSE(document.clear());
    EXPECT_FALSE(document.hasPicture());
    EXPECT_EQ(document.enterPainting().refusal, "図案がまだ作成されていません。");
}

// Two pens on one cell are two steps: undo goes back through both, and redo brings the first pen
// back before the second. Every step names the cell to repaint, which holds its new colour.
// Threads chosen for the look are painted as any chart's.
TEST_F(ChartDocumentTest, PaintingACellTwiceWithTwoPensIsTwoStepsUndoneAndRedoneInOrder) {
    for (const bool appearance : {false, true}) {
        ASSERT_EQ(makeChart(appearance).message, "");
        ASSERT_EQ(document.enterPainting().refusal, "");
        const edit::CellPosition target{5, 5};
        const std::int32_t original = document.model().cell(5, 5);
        const auto firstPen = document.pickPen({0, 0});
        ASSERT_TRUE(firstPen);
        EXPECT_EQ(document.paint(target), target);
        const auto secondPen = document.pickPen({kColumns - 1, kRows - 1});
        ASSERT_TRUE(secondPen);
        ASSERT_NE(firstPen->packed, secondPen->packed);
        EXPECT_EQ(document.paint(target), target);
        EXPECT_EQ(document.model().cellColour(5, 5), secondPen->colour);

        EXPECT_EQ(document.undo(), target);
        EXPECT_EQ(document.model().cell(5, 5), firstPen->packed);
        EXPECT_EQ(document.model().cellColour(5, 5), firstPen->colour);
        EXPECT_EQ(document.undo(), target);
        EXPECT_EQ(document.model().cell(5, 5), original);
        EXPECT_FALSE(document.undo());
        EXPECT_EQ(document.redo(), target);
        EXPECT_EQ(document.model().cell(5, 5), firstPen->packed);
        EXPECT_EQ(document.redo(), target);
        EXPECT_EQ(document.model().cell(5, 5), secondPen->packed);
        EXPECT_FALSE(document.redo());
        EXPECT_TRUE(document.leavePainting());
    }
}

// The chart's codes belong to its own system: painting after another was chosen puts that system
// back with its table and the chart's options, and tells the window so.
TEST_F(ChartDocumentTest, PaintingAfterAnotherSystemWasChosenBringsBackTheChartsSystemAndTable) {
    ASSERT_EQ(makeChart().message, "");
    const std::size_t dmcColours = document.system().table.size();
    ASSERT_TRUE(document.chooseSystem(kIcons).loaded());
    ASSERT_NE(document.system().table.size(), dmcColours);

    const document::PaintingEntry entry = document.enterPainting();
    EXPECT_EQ(entry.refusal, "");
    EXPECT_TRUE(entry.systemRestored);
    EXPECT_EQ(document.currentSystem(), kDmc);
    EXPECT_EQ(document.system().table.size(), dmcColours);
    EXPECT_EQ(document.choices().smoothing, document.model().options.smoothing);
    EXPECT_FALSE(document.leavePainting());
    EXPECT_FALSE(document.enterPainting().systemRestored);
}

// A chart written and read back comes with its cells, its colours, its panel (width and height
// each in its place), its choices and its fabric.
// Threads chosen for the look come back as chosen, not as the nearest codes of their cube cells.
TEST_F(ChartDocumentTest, AChartReadBackIsTheChartWritten) {
    for (const bool appearance : {false, true}) {
        ASSERT_EQ(makeChart(appearance).message, "");
        ASSERT_EQ(document.exportWorkbook(workbook, quiet), "");

        document::ChartDocument reader{TESSALY_SOURCE_CFG};
        ASSERT_TRUE(reader.start({}).loaded());
        ASSERT_EQ(reader.importWorkbook(workbook, quiet).message, "");
        const chart::ChartModel& read = reader.model();
        const chart::ChartModel& written = document.model();
        EXPECT_EQ(reader.chartPanel(), document.chartPanel());
        EXPECT_EQ(std::make_pair(read.columns, read.rows), std::make_pair(kColumns, kRows));
        for (int x = 0; x < kColumns; ++x) {
            for (int y = 0; y < kRows; ++y) {
                ASSERT_EQ(read.cell(x, y), written.cell(x, y)) << x << "," << y;
                ASSERT_EQ(read.cellColour(x, y), written.cellColour(x, y)) << x << "," << y;
            }
        }
        for (int i = 0; i < chart::kColourListRows; ++i) {
            const chart::ColourListRow& a = read.colourList.rows[i];
            const chart::ColourListRow& b = written.colourList.rows[i];
            EXPECT_EQ(std::tie(a.symbol, a.code, a.count), std::tie(b.symbol, b.code, b.count)) << "key row " << i;
        }
        EXPECT_EQ(read.options.appearance, appearance);
        EXPECT_EQ(reader.choices().appearance, appearance);
        EXPECT_EQ(reader.resultColours(), document.resultColours());
        EXPECT_EQ(reader.choices().cube.text, document.choices().cube.text);
        EXPECT_EQ(reader.choices().maxColours, 12);
        EXPECT_EQ(reader.fabricIndex(), document.fabricIndex());
        EXPECT_EQ(reader.chartSystem(), kDmc);
        EXPECT_EQ(reader.workbookParameters(), document.workbookParameters());
    }
}

// A workbook that names a system the settings do not list is read in the current system: the
// window's choice, or the settings' own where none is current yet, as on the command line.
TEST_F(ChartDocumentTest, AWorkbookOfAnUnlistedSystemIsReadInTheCurrentOne) {
    ASSERT_EQ(makeChart().message, "");
    chart::ChartModel foreign = document.model();
    foreign.options.codeSystem = "よその色";
    ASSERT_EQ(excel::writeChartWorkbook(workbook, foreign, document.system(), document.workbookParameters(), quiet), "");

    document::ChartDocument window{TESSALY_SOURCE_CFG};
    document::SavedOptions icons;
    icons.systemIndex = 1;
    ASSERT_TRUE(window.start(icons).loaded());
    ASSERT_EQ(window.importWorkbook(workbook, quiet).message, "");
    EXPECT_EQ(window.currentSystem(), kIcons);
    EXPECT_EQ(window.model().options.codeSystem, kIcons);

    document::ChartDocument commandLine{TESSALY_SOURCE_CFG};
    ASSERT_EQ(commandLine.importWorkbook(workbook, quiet).message, "");
    EXPECT_EQ(commandLine.currentSystem(), kDmc);
}

}  // namespace
