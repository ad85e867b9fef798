// Charts written to a workbook and read back: cells, options and key survive, and the sheets show
// the chart as a spreadsheet program would open it.

#include "chart/chart_choices.h"
#include "chart/code_painting.h"
#include "chart/colour_count.h"
#include "chart/cube.h"
#include "edit/painting_visit.h"
#include "excel/chart_workbook.h"
#include "excel/spreadsheet_document.h"
#include "excel/workbook_layout.h"
#include "platform/picture_decoder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct Case {
    int columns;
    int rows;
    const char* system;
    bool smoothing;
    bool boundary;
};

// Tests run side by side: the file names carry the test's own name.
std::string scratchPath(const std::string& name) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string own = std::string(test->test_suite_name()) + "-" + test->name();
    for (char& c : own) {
        if (c == '/') c = '-';
    }
    return (std::filesystem::temp_directory_path() / ("tessaly-test-" + own + "-" + name)).string();
}

// A picture of some 75 colours in bands, so that the reduction has work to do and can succeed.
platform::Bitmap picture(int width, int height) {
    platform::Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.set(x, y, platform::Rgb{static_cast<std::uint8_t>(x * 5 / width * 63),
                                           static_cast<std::uint8_t>(y * 5 / height * 63),
                                           static_cast<std::uint8_t>((x / 4 + y / 4) % 3 * 127)});
        }
    }
    return bitmap;
}

class ChartWorkbookRoundTrip : public testing::TestWithParam<Case> {};

TEST_P(ChartWorkbookRoundTrip, GivesBackCellsOptionsAndKey) {
    const Case c = GetParam();
    palette::LoadResult loaded = palette::chooseCodeSystem(TESSALY_SOURCE_CFG, std::string(c.system));
    ASSERT_EQ(loaded.message, "");
    palette::LoadedCodeSystem& system = loaded.system;

    chart::ChartModel written;
    written.cellWidth = 2;
    written.cellHeight = 3;
    written.displayWidth = c.columns * 2;
    written.displayHeight = c.rows * 3;
    platform::DecodedPicture photo = platform::loadPicture(TESSALY_SAMPLE_PICTURE);
    ASSERT_EQ(photo.message, "");
    written.source = std::move(photo.bitmap);
    chart::ChartChoices choices = chart::defaultChoices(system.settings);
    choices.smoothing = c.smoothing;
    choices.boundary = c.boundary;
    choices.maxColours = system.settings.maxColours;
    const chart::ChartOutcome outcome = chart::makeChart(written, system, choices);
    ASSERT_EQ(outcome.message, "");
    ASSERT_TRUE(outcome.reduction.success);
    // An empty cell, as a chart corrected by hand may have, comes back empty.
    written.cell(1, 0) = chart::kEmptyCell;

    excel::WorkbookParameters parameters;
    parameters.panelWidth = 640;
    parameters.panelHeight = 480;
    parameters.cubeItem = 6;
    parameters.resultColours = outcome.reduction.colours;
    parameters.countSize = 5.5;
    parameters.fabricUnit = "cm";
    const std::string path = scratchPath(std::to_string(c.columns) + "x" + std::to_string(c.rows) + ".xlsx");
    ASSERT_EQ(excel::writeChartWorkbook(path, written, system, parameters).message, "");

    excel::WorkbookRead read = excel::readChartWorkbook(path);
    ASSERT_EQ(read.message, "");
    EXPECT_EQ(read.parameters, parameters);
    chart::ChartModel& model = read.model;
    EXPECT_EQ(model.columns, c.columns);
    EXPECT_EQ(model.rows, c.rows);
    EXPECT_EQ(model.cellWidth, 2);
    EXPECT_EQ(model.cellHeight, 3);
    EXPECT_EQ(model.displayWidth, written.displayWidth);
    EXPECT_EQ(model.displayHeight, written.displayHeight);
    EXPECT_EQ(model.cube.levels, written.cube.levels);
    EXPECT_EQ(model.options.smoothing, c.smoothing);
    EXPECT_EQ(model.options.boundary, c.boundary);
    EXPECT_EQ(model.options.maxColours, system.settings.maxColours);
    EXPECT_EQ(model.options.codeSystem, system.name);
    int differing = 0;
    for (int x = 0; x < c.columns; ++x) {
        for (int y = 0; y < c.rows; ++y) differing += model.cell(x, y) != written.cell(x, y);
    }
    EXPECT_EQ(differing, 0);

    // Painted and counted as the import's caller does, the key is the one written.
    ASSERT_EQ(chart::buildCube(model.cube, model.cube.levels, system.table,
                               chart::ColourDistance(system.settings.hueWeight)),
              "");
    chart::paintCodeColours(model, system.table);
    edit::recountCube(model);
    edit::recountCube(written);
    EXPECT_EQ(chart::countColoursInUse(model, system.table), chart::countColoursInUse(written, system.table));
    for (int i = 0; i < chart::kColourListRows; ++i) {
        const chart::ColourListRow& a = model.colourList.rows[i];
        const chart::ColourListRow& b = written.colourList.rows[i];
        EXPECT_EQ(std::tie(a.symbol, a.code, a.name, a.count, a.r, a.g, a.b),
                  std::tie(b.symbol, b.code, b.name, b.count, b.r, b.g, b.b))
            << "key row " << i;
    }
    std::filesystem::remove(path);
}

INSTANTIATE_TEST_SUITE_P(SizesSystemsAndOptions, ChartWorkbookRoundTrip,
                         testing::Values(Case{8, 8, "DMC(刺繍糸)", false, false}, Case{8, 8, "アイコン", true, true},
                                         Case{199, 150, "DMC(刺繍糸)", true, false},
                                         Case{199, 150, "アイコン", false, true},
                                         Case{200, 200, "DMC(刺繍糸)", false, true},
                                         Case{200, 200, "アイコン", true, false}));

TEST(ChartWorkbookSheets, ShowTheChartInColoursSymbolsAndKey) {
    palette::LoadResult loaded = palette::chooseCodeSystem(TESSALY_SOURCE_CFG, std::string("アイコン"));
    ASSERT_EQ(loaded.message, "");
    chart::ChartModel model;
    model.cellWidth = model.cellHeight = 1;
    model.displayWidth = model.displayHeight = 10;
    model.source = picture(10, 10);
    ASSERT_TRUE(chart::makeChart(model, loaded.system, chart::defaultChoices(loaded.system.settings)).reduction.success);
    model.cell(9, 9) = chart::kEmptyCell;
    const std::string path = scratchPath("sheets.xlsx");
    ASSERT_EQ(excel::writeChartWorkbook(path, model, loaded.system, {}).message, "");

    excel::SpreadsheetDocument document;
    ASSERT_EQ(document.load(path), "");
    const int colourChart = excel::sheetIndex(excel::Sheet::ColourChart);
    const int symbolChart = excel::sheetIndex(excel::Sheet::SymbolChart);
    for (int x = 0; x < 10; ++x) {
        for (int y = 0; y < 10; ++y) {
            const palette::ColourEntry* entry = chart::cellEntry(model, loaded.system.table, x, y);
            const platform::Rgb expected = entry ? platform::Rgb{static_cast<std::uint8_t>(entry->r),
                                                                 static_cast<std::uint8_t>(entry->g),
                                                                 static_cast<std::uint8_t>(entry->b)}
                                                 : platform::kWhite;
            EXPECT_EQ(document.fill(colourChart, y + 1, x + 1), expected) << x << "," << y;
            EXPECT_EQ(document.cell(symbolChart, y + 1, x + 1).text, entry ? entry->symbol : "") << x << "," << y;
        }
    }
    // Numbers every ten cells: column numbers as texts, row numbers as numbers.
    EXPECT_EQ(document.cell(colourChart, 0, 1).text, "1");
    EXPECT_EQ(document.cell(symbolChart, 0, 11).text, "11");
    EXPECT_EQ(document.cell(symbolChart, 11, 0).number, 11);
    // Thread codes stay texts; a code system without DMC in its name heads its codes as abbreviations.
    const int key = excel::sheetIndex(excel::Sheet::Key);
    EXPECT_EQ(document.cell(key, 0, 0).text, "数");
    EXPECT_EQ(document.cell(key, 0, excel::kCodeColumn).text, "略称");
    EXPECT_EQ(document.cell(key, 1, excel::kSymbolColumn + 1).kind, excel::CellValue::Kind::Text);
    EXPECT_EQ(document.cell(key, excel::kCodeSystemRow, excel::kTextColumn).text, "アイコン");
    EXPECT_EQ(document.cell(key, excel::kDescriptionRow, excel::kTextColumn).text, " (ｷｬﾝﾊﾞｽ) (色種)アイコン16色");
    // The value sheets: 255 for the empty cell, then an empty row between the blocks.
    const int red = excel::sheetIndex(excel::Sheet::Red);
    EXPECT_EQ(document.cell(red, 9, 9).number, excel::kNoValue);
    EXPECT_EQ(document.cell(red, 10, 0).kind, excel::CellValue::Kind::Empty);
    EXPECT_EQ(document.cell(red, 20, 9).number, excel::kNoValue);
    std::filesystem::remove(path);
}

}  // namespace
