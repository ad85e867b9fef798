// Charts written to a workbook and read back: cells, options and key survive, and the sheets show
// the chart as a spreadsheet program would open and print it.

#include "chart/chart_choices.h"
#include "chart/code_painting.h"
#include "chart/colour_count.h"
#include "chart/cube.h"
#include "excel/chart_workbook.h"
#include "excel/workbook_layout.h"
#include "platform/picture_decoder.h"
#include "test_workbooks.h"
#include "zip_parts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace {

std::string testPath(const std::string& name) { return (testFolder() / name).string(); }

struct Case {
    int columns;
    int rows;
    const char* system;
    bool smoothing;
    bool boundary;
};

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

// A chart of one-pixel cells in the icon system, whose reduction of the band picture succeeds.
struct IconChart {
    palette::LoadResult loaded;
    chart::ChartModel model;
};

IconChart iconChart(int width, int height) {
    IconChart chart{palette::chooseCodeSystem(TESSALY_SOURCE_CFG, palette::loadShippedSettings(TESSALY_SOURCE_CFG), "アイコン"), {}};
    EXPECT_EQ(chart.loaded.message, "");
    chart.model.cellWidth = chart.model.cellHeight = 1;
    chart.model.displayWidth = width;
    chart.model.displayHeight = height;
    chart.model.source = picture(width, height);
    EXPECT_TRUE(chart::makeChart(chart.model, chart.loaded.system, chart::defaultChoices(chart.loaded.system.settings))
                    .reduction.success);
    return chart;
}

// The steps an import reports, the caller's file checks included, against the total it told first:
// a progress bar sized by that total ends full with the last step, neither before nor after.
struct StepCount : excel::WorkbookProgress {
    explicit StepCount(int callerChecks) : done(callerChecks * excel::kFileCheckStep) {}
    void begin(int steps) override { total = steps; }
    void step(int steps) override { done += steps; }
    int total = -1;
    int done;
};

// The sheets a workbook keeps but neither shows nor prints.
std::vector<std::string> hiddenSheets(const std::string& path) {
    ZipParts parts = readZipParts(path);
    const std::string& workbook = zipPart(parts, "xl/workbook.xml");
    const std::regex hidden("<sheet name=\"([^\"]+)\"[^>]*state=\"hidden\"");
    std::vector<std::string> names;
    for (auto m = std::sregex_iterator(workbook.begin(), workbook.end(), hidden); m != std::sregex_iterator(); ++m) {
        names.push_back((*m)[1]);
    }
    return names;
}

class ChartWorkbookRoundTrip : public testing::TestWithParam<Case> {};

TEST_P(ChartWorkbookRoundTrip, GivesBackCellsOptionsAndKey) {
    const Case c = GetParam();
    palette::LoadResult loaded =
        palette::chooseCodeSystem(TESSALY_SOURCE_CFG, palette::loadShippedSettings(TESSALY_SOURCE_CFG), c.system);
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
    // The panel as a window shows the chart at its own size, in the panel's frame.
    parameters.panelWidth = written.displayWidth + 8;
    parameters.panelHeight = written.displayHeight + 8;
    parameters.cubeItem = 6;
    parameters.resultColours = outcome.reduction.colours;
    parameters.countSize = 5.5;
    parameters.fabricUnit = "cm";
    const std::string path = testPath(std::to_string(c.columns) + "x" + std::to_string(c.rows) + ".xlsx");
    excel::WorkbookProgress quiet;
    ASSERT_EQ(excel::writeChartWorkbook(path, written, system, parameters, quiet), "");
    // The value sheets are for reading back, not for a person: hidden, and read all the same.
    EXPECT_EQ(hiddenSheets(path), (std::vector<std::string>{"R", "G", "B"}));

    StepCount reading(excel::kImportFileChecks);
    excel::beginChartImport(reading);
    excel::WorkbookRead read = excel::readChartWorkbook(path, reading);
    ASSERT_EQ(read.message, "");
    EXPECT_EQ(reading.done, reading.total);
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
    chart::recountCube(model);
    chart::recountCube(written);
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
    auto [loaded, model] = iconChart(10, 10);
    ASSERT_FALSE(HasFailure());
    model.cell(9, 9) = chart::kEmptyCell;
    const std::string path = testPath("sheets.xlsx");
    excel::WorkbookProgress quiet;
    ASSERT_EQ(excel::writeChartWorkbook(path, model, loaded.system, {}, quiet), "");

    const WorkbookCells book(path);
    using excel::Sheet;
    const auto text = [&book](Sheet sheet, int row, int column) { return excel::textForm(book.value(sheet, row, column)); };
    for (int x = 0; x < 10; ++x) {
        for (int y = 0; y < 10; ++y) {
            const palette::ColourEntry* entry = chart::cellEntry(model, loaded.system.table, x, y);
            const platform::Rgb expected = entry ? platform::Rgb{static_cast<std::uint8_t>(entry->r),
                                                                 static_cast<std::uint8_t>(entry->g),
                                                                 static_cast<std::uint8_t>(entry->b)}
                                                 : platform::kWhite;
            EXPECT_EQ(book.look(Sheet::ColourChart, y + 2, x + 2).fill, expected) << x << "," << y;
            EXPECT_EQ(text(Sheet::SymbolChart, y + 2, x + 2), entry ? entry->symbol : "") << x << "," << y;
            // Hairlines around every symbol, a thin line after every fifth cell.
            EXPECT_EQ(book.look(Sheet::SymbolChart, y + 2, x + 2).right, x % 5 == 4 ? "thin" : "hair") << x << "," << y;
            EXPECT_EQ(book.look(Sheet::SymbolChart, y + 2, x + 2).bottom, y % 5 == 4 ? "thin" : "hair") << x << "," << y;
            EXPECT_EQ(book.look(Sheet::ColourChart, y + 2, x + 2).right, x % 5 == 4 ? "thin" : "");
        }
    }
    // A thin line parts the numbers from the chart; the lines run one row and one column past the
    // chart, nothing further.
    EXPECT_EQ(book.look(Sheet::SymbolChart, 5, 1).right, "thin");
    EXPECT_EQ(book.look(Sheet::SymbolChart, 1, 5).bottom, "thin");
    EXPECT_EQ(book.look(Sheet::ColourChart, 12, 11).right, "thin");
    EXPECT_EQ(book.look(Sheet::ColourChart, 11, 12).bottom, "thin");
    EXPECT_TRUE(book.holds(Sheet::ColourChart, 12, 11));
    EXPECT_FALSE(book.holds(Sheet::ColourChart, 13, 11));
    EXPECT_FALSE(book.holds(Sheet::ColourChart, 12, 12));
    // Numbers every ten cells: column numbers as texts, row numbers as numbers.
    EXPECT_EQ(book.value(Sheet::ColourChart, 1, 2), excel::Variant(std::string("1")));
    EXPECT_EQ(book.value(Sheet::SymbolChart, 1, 12), excel::Variant(std::string("11")));
    EXPECT_EQ(book.value(Sheet::SymbolChart, 12, 1), excel::Variant(11.0));
    // Thread codes stay texts; a code system without DMC in its name heads its codes as abbreviations.
    EXPECT_EQ(text(Sheet::Key, 1, 1), "数");
    EXPECT_EQ(text(Sheet::Key, 1, excel::kCodeColumn), "略称");
    EXPECT_TRUE(std::holds_alternative<std::string>(book.value(Sheet::Key, 2, excel::kSymbolColumn + 1)));
    EXPECT_EQ(text(Sheet::Key, excel::kCodeSystemRow, excel::kTextColumn), "アイコン");
    EXPECT_EQ(text(Sheet::Key, excel::kDescriptionRow, excel::kTextColumn), " (ｷｬﾝﾊﾞｽ) (色種)アイコン16色");
    EXPECT_EQ(book.value(Sheet::Key, excel::parameterRow(excel::Parameter::Marker), excel::kParameterValueColumn),
              excel::Variant(160.0));
    EXPECT_EQ(book.value(Sheet::Key, excel::kParameterRow + 19, excel::kParameterIndexColumn), excel::Variant(0.0));
    // The value sheets: 255 for the empty cell, then an empty row between the blocks.
    EXPECT_EQ(book.value(Sheet::Red, 10, 10), excel::Variant(255.0));
    EXPECT_TRUE(excel::isEmpty(book.value(Sheet::Red, 11, 1)));
    EXPECT_EQ(book.value(Sheet::Red, 21, 10), excel::Variant(255.0));
    EXPECT_TRUE(excel::isEmpty(book.value(Sheet::Red, 22, 1)));
    std::filesystem::remove(path);
}

// The chart cells, counted from 0, that begin a printed page after the first, as a chart sheet's
// part lists them ("rowBreaks" or "colBreaks"); the sheet counts the numbers row and column first.
std::vector<int> pageStarts(const std::string& sheet, const std::string& kind) {
    const std::size_t begin = sheet.find("<" + kind);
    const std::string breaks = begin == std::string::npos ? "" : sheet.substr(begin, sheet.find("</" + kind) - begin);
    const std::regex id("<brk id=\"([0-9]+)\"");
    std::vector<int> starts;
    for (auto m = std::sregex_iterator(breaks.begin(), breaks.end(), id); m != std::sregex_iterator(); ++m) {
        starts.push_back(std::stoi((*m)[1]) - 1);
    }
    return starts;
}

// Printed, the workbook gives each chart with its numbers in pages of 80 × 50 cells, and the key's
// colours in use, not the parameters below them.
TEST(ChartWorkbookPrinting, PrintsChartsInPagesOfTensAndTheKeysColours) {
    const auto [loaded, model] = iconChart(170, 101);
    ASSERT_FALSE(HasFailure());
    ASSERT_GT(model.colourList.coloursInUse, 1);
    const std::string path = testPath("printing.xlsx");
    excel::WorkbookProgress quiet;
    ASSERT_EQ(excel::writeChartWorkbook(path, model, loaded.system, {}, quiet), "");

    ZipParts parts = readZipParts(path);
    // 170 cells and the numbers column reach column FO; the key's header and colours end in column H.
    const std::string& workbook = zipPart(parts, "xl/workbook.xml");
    const std::string keyArea = "'色番号表'!$A$1:$H$" + std::to_string(1 + model.colourList.coloursInUse);
    for (const std::string& area : {std::string("'カラー図案'!$A$1:$FO$102"), std::string("'記号図案'!$A$1:$FO$102"), keyArea}) {
        EXPECT_NE(workbook.find(">" + area + "</definedName>"), std::string::npos) << area;
    }
    for (const char* chartSheet : {"xl/worksheets/sheet1.xml", "xl/worksheets/sheet2.xml"}) {
        const std::string& part = zipPart(parts, chartSheet);
        EXPECT_EQ(pageStarts(part, "rowBreaks"), (std::vector<int>{50, 100})) << chartSheet;
        EXPECT_EQ(pageStarts(part, "colBreaks"), (std::vector<int>{80, 160})) << chartSheet;
        EXPECT_NE(part.find("<oddFooter>&amp;P / &amp;N</oddFooter>"), std::string::npos) << chartSheet;
    }
    std::filesystem::remove(path);
}

}  // namespace
