// Which workbooks the reader takes for charts: the marker alone decides, read as a spreadsheet
// program may have stored it; a file that is no workbook at all is unreadable.

#include "excel/chart_workbook.h"
#include "excel/workbook_layout.h"
#include "test_workbooks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <utility>
#include <vector>

namespace {

const std::string kRefusal = "選んだExcelファイル（marker.xlsx）は図案ファイルではありません。";

using Parameters = std::vector<std::pair<excel::Parameter, double>>;

using Book = PlainWorkbook;
using excel::Sheet;
using excel::Variant;

constexpr int kMarkerRow = excel::parameterRow(excel::Parameter::Marker);
constexpr int kMarkerColumn = excel::kParameterValueColumn;

// A workbook of the first `sheets` of the six with a chart marker written by writeMarker and these
// parameters; nothing else but the colour of the first cell on each value sheet.
std::string markerWorkbook(const std::function<void(Book&)>& writeMarker, const Parameters& parameters = {},
                           std::size_t sheets = 6) {
    const std::string path = (testFolder() / "marker.xlsx").string();
    Book book = chartSheets();
    for (int channel = 0; channel < 3; ++channel) put(book, excel::valueSheet(channel), 1, 1, 255.0);
    writeMarker(book);
    for (const auto& [parameter, value] : parameters) {
        put(book, Sheet::Key, excel::parameterRow(parameter), kMarkerColumn, value);
    }
    book.resize(sheets);
    writePlainWorkbook(book, path);
    return path;
}

void marker160(Book& book) { put(book, Sheet::Key, kMarkerRow, kMarkerColumn, 160.0); }

excel::WorkbookRead readWorkbook(const std::string& path) {
    excel::WorkbookProgress quiet;
    return excel::readChartWorkbook(path, quiet);
}

// Negative sizes stand for the usual 3; the levels and chart size are those of a small chart.
const Parameters kSmallChart{{excel::Parameter::Columns, 8},      {excel::Parameter::Rows, 8},
                             {excel::Parameter::CellWidth, -1},   {excel::Parameter::CellHeight, -1},
                             {excel::Parameter::RedLevels, 4},    {excel::Parameter::GreenLevels, 4},
                             {excel::Parameter::BlueLevels, 4}};

TEST(WorkbookMarker, TakesTheMarkerAsNumberRoundedOrText) {
    const std::function<void(Book&)> accepted[] = {
        marker160,
        [](Book& b) { put(b, Sheet::Key, kMarkerRow, kMarkerColumn, 160.4); },
        [](Book& b) { put(b, Sheet::Key, kMarkerRow, kMarkerColumn, std::string(" 160")); },
    };
    for (const auto& write : accepted) {
        const excel::WorkbookRead read = readWorkbook(markerWorkbook(write, kSmallChart));
        EXPECT_EQ(read.message, "");
        // Nothing else written: the fallbacks of a damaged parameter block, and no cells.
        EXPECT_EQ(read.model.cellWidth, 3);
        EXPECT_EQ(read.parameters.countSize, 1.0);
        EXPECT_EQ(read.parameters.fabricUnit, "cm");
        EXPECT_EQ(read.model.cell(0, 0), chart::kEmptyCell);
    }
}

// A chart the program cannot hold is refused before anything of the current one changes, rather
// than run past the grid, the level tables or the memory.
TEST(WorkbookMarker, RefusesParametersNoChartCanHave) {
    using excel::Parameter;
    for (const Parameters& wrong : std::vector<Parameters>{
             {{Parameter::Columns, 300}},      {{Parameter::Rows, 0}},
             {{Parameter::CellWidth, 0}},      {{Parameter::CellHeight, 1000000}},
             {{Parameter::GreenLevels, 129}},  {{Parameter::BlueLevels, 1}},
             // Sizes whose product runs past 64 bits, or whose picture no vector can hold.
             {{Parameter::CellWidth, 536870912}, {Parameter::CellHeight, 1073741824}},
             {{Parameter::CellWidth, 2147483647}, {Parameter::CellHeight, 2147483647}},
             {{Parameter::Columns, 200}, {Parameter::CellWidth, 200000}, {Parameter::CellHeight, 1}}}) {
        Parameters parameters = kSmallChart;
        parameters.insert(parameters.end(), wrong.begin(), wrong.end());
        const excel::WorkbookRead read = readWorkbook(markerWorkbook(marker160, parameters));
        EXPECT_TRUE(read.message.starts_with("選んだExcelファイル（marker.xlsx）は読込めません。"))
            << static_cast<int>(wrong.front().first) << ": " << read.message;
    }
}

// Panel and picture sizes the picture area cannot have give way to the chart's own: 8 × 8 cells of
// 3 pixels, inside the panel's frame.
TEST(WorkbookMarker, KeepsPanelAndPictureSizesWithinThePictureArea) {
    using excel::Parameter;
    Parameters parameters = kSmallChart;
    parameters.insert(parameters.end(), {{Parameter::PanelWidth, 2147483647}, {Parameter::PanelHeight, 50},
                                         {Parameter::ImageWidth, 2147483647}, {Parameter::ImageHeight, 2}});
    const excel::WorkbookRead read = readWorkbook(markerWorkbook(marker160, parameters));
    ASSERT_EQ(read.message, "");
    EXPECT_EQ(read.parameters.panelWidth, 32);
    EXPECT_EQ(read.parameters.panelHeight, 32);
    EXPECT_EQ(read.model.displayWidth, 24);
    EXPECT_EQ(read.model.displayHeight, 24);

    // Within the limits they are taken as they stand: the panel of a window showing the chart larger.
    parameters.insert(parameters.end(), {{Parameter::PanelWidth, 608}, {Parameter::PanelHeight, 50},
                                         {Parameter::ImageWidth, 600}, {Parameter::ImageHeight, 42}});
    const excel::WorkbookRead larger = readWorkbook(markerWorkbook(marker160, parameters));
    EXPECT_EQ(larger.parameters.panelWidth, 608);
    EXPECT_EQ(larger.parameters.panelHeight, 50);
    EXPECT_EQ(larger.model.displayWidth, 600);
    EXPECT_EQ(larger.model.displayHeight, 42);
}

// A chart workbook's value sheets always hold the chart's colours: one that is missing or empty, as
// when a relationship names the wrong part, is a damaged workbook, not an empty chart.
TEST(WorkbookMarker, RefusesValueSheetsWithoutTheirColours) {
    for (int channel = 0; channel < 3; ++channel) {
        const excel::WorkbookRead read = readWorkbook(markerWorkbook(
            [channel](Book& b) {
                marker160(b);
                b[static_cast<std::size_t>(excel::sheetIndex(excel::valueSheet(channel)))].cells.erase({1, 1});
            },
            kSmallChart));
        EXPECT_EQ(read.message, "選んだExcelファイル（marker.xlsx）は読込めません。色の値のシートがないか、壊れています。");
    }
}

TEST(WorkbookMarker, RefusesAnyOtherMarker) {
    const std::function<void(Book&)> refused[] = {
        [](Book&) {},
        [](Book& b) { put(b, Sheet::Key, kMarkerRow, kMarkerColumn, 161.0); },
        [](Book& b) { put(b, Sheet::Key, kMarkerRow, kMarkerColumn, 160.6); },
        [](Book& b) { put(b, Sheet::Key, kMarkerRow, kMarkerColumn, std::string("160a")); },
        [](Book& b) { put(b, Sheet::Red, kMarkerRow, kMarkerColumn, 160.0); },
    };
    for (const auto& write : refused) EXPECT_EQ(readWorkbook(markerWorkbook(write)).message, kRefusal);
}

// Cells come from the level blocks cell by cell, whoever wrote the sheets: at most a chart's width
// of them per row and a chart's height of rows, each cell only with levels inside the cube.
TEST(WorkbookCells, ReadOnlyLevelsTheCubeHasWithinTheLargestChart) {
    const std::string path = markerWorkbook(
        [](Book& b) {
            marker160(b);
            for (int channel = 0; channel < 3; ++channel) {
                const Sheet sheet = excel::valueSheet(channel);
                // An upper block of one row, then 201 level rows of 201 cells each.
                put(b, sheet, 1, 1, 0.0);
                for (int row = 3; row <= 3 + 200; ++row) {
                    for (int column = 1; column <= 201; ++column) put(b, sheet, row, column, 1.0);
                }
            }
            put(b, Sheet::Red, 3, 2, 4.0);    // at the red level count
            put(b, Sheet::Blue, 3, 3, 255.0);  // an empty cell as the export writes it
            put(b, Sheet::Green, 4, 1, std::string("x"));       // a green that is no number: that cell empty
            put(b, Sheet::Blue, 4, 2, std::string(" 2 "));      // a level typed as text counts
            put(b, Sheet::Red, 5, 1, std::string("x"));         // and the rest of the row stays
            put(b, Sheet::Red, 1, 1, std::string("text"));      // whatever the upper block holds
        },
        {{excel::Parameter::Columns, 200}, {excel::Parameter::Rows, 200}, {excel::Parameter::CellWidth, 1},
         {excel::Parameter::CellHeight, 1}, {excel::Parameter::RedLevels, 4}, {excel::Parameter::GreenLevels, 4},
         {excel::Parameter::BlueLevels, 4}});
    const excel::WorkbookRead chart = readWorkbook(path);
    ASSERT_EQ(chart.message, "");
    EXPECT_EQ(chart.model.cell(0, 0), chart::pack(1, 1, 1));
    EXPECT_EQ(chart.model.cell(1, 0), chart::kEmptyCell);
    EXPECT_EQ(chart.model.cell(2, 0), chart::kEmptyCell);
    EXPECT_EQ(chart.model.cell(0, 1), chart::kEmptyCell);
    EXPECT_EQ(chart.model.cell(1, 1), chart::pack(1, 1, 2));
    EXPECT_EQ(chart.model.cell(0, 2), chart::kEmptyCell);
    EXPECT_EQ(chart.model.cell(1, 2), chart::pack(1, 1, 1));
    EXPECT_EQ(chart.model.cell(199, 0), chart::pack(1, 1, 1));
    EXPECT_EQ(chart.model.cell(199, 199), chart::pack(1, 1, 1));
    EXPECT_EQ(chart.model.cell(200, 0), chart::kEmptyCell);
    EXPECT_EQ(chart.model.cell(0, 200), chart::kEmptyCell);
}

// Someone's spreadsheet may hold a value anywhere; reading stays with what a chart uses.
TEST(WorkbookCells, AFarAwayValueDoesNotMakeReadingLookAtEveryCell) {
    const std::string path = markerWorkbook(
        [](Book& b) {
            marker160(b);
            put(b, Sheet::Red, 1000000, 16000, std::string("far"));
            put(b, Sheet::Key, 900000, 2, 1.0);
        },
        kSmallChart);
    EXPECT_EQ(readWorkbook(path).message, "");
}

// Files that are no workbook, or a workbook without a chart's sheets, cannot be read; the reader
// says why, as the user reads it beside the refusal.
TEST(WorkbookMarker, FilesThatAreNoChartsWorkbookAreUnreadable) {
    const std::filesystem::path folder = testFolder();
    const std::string broken = (folder / "marker.xlsx").string();
    std::ofstream(broken) << "PK\x03\x04 not really a zip";
    const excel::WorkbookRead damaged = readWorkbook(broken);
    EXPECT_TRUE(damaged.unreadable);
    EXPECT_EQ(damaged.message, "Excelファイル（marker.xlsx）を開けません。Excelのブックではないか、壊れています。");
    const excel::WorkbookRead missing = readWorkbook((folder / "no-such-folder" / "marker.xlsx").string());
    EXPECT_TRUE(missing.unreadable);
    EXPECT_EQ(missing.message, "Excelファイル（marker.xlsx）を開けません。ファイルがないか、読めません。");
    // A workbook of one sheet has no key sheet to look at; one of four or five no green or blue sheet.
    writePlainWorkbook({PlainSheet{"Sheet1", {}}}, broken);
    const excel::WorkbookRead single = readWorkbook(broken);
    EXPECT_TRUE(single.unreadable);
    EXPECT_EQ(single.message, "Excelファイル（marker.xlsx）にシート3がありません");
    for (const std::size_t sheets : {4, 5}) {
        EXPECT_EQ(readWorkbook(markerWorkbook(marker160, kSmallChart, sheets)).message,
                  "Excelファイル（marker.xlsx）にシート" + std::to_string(sheets + 1) + "がありません");
    }
}

}  // namespace
