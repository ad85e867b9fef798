// Which workbooks the reader takes for charts: the marker alone decides, read as a spreadsheet
// program may have stored it, and a file that is no workbook at all is refused the same way.

#include "excel/chart_workbook.h"
#include "excel/xlsx_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <utility>
#include <vector>

namespace {

const std::string kRefusal = "選んだExcelファイル（marker.xlsx）は図案ファイルではありません。";

// Tests run side by side: each writes its workbooks in a folder of its own, under the same file name.
std::filesystem::path scratchFolder() {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("tessaly-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(folder);
    return folder;
}

using Parameters = std::vector<std::pair<excel::Parameter, double>>;

// A workbook with a chart marker written by writeMarker and these parameters; nothing else.
std::string markerWorkbook(const std::function<void(excel::XlsxFile&, int row, int column)>& writeMarker,
                           const Parameters& parameters = {}) {
    const std::string path = (scratchFolder() / "marker.xlsx").string();
    excel::XlsxFile file(path);
    writeMarker(file, excel::parameterRow(excel::Parameter::Marker), excel::kParameterValueColumn);
    for (const auto& [parameter, value] : parameters) {
        file.number(excel::Sheet::Key, excel::parameterRow(parameter), excel::kParameterValueColumn, value);
    }
    EXPECT_EQ(file.close(), "");
    return path;
}

void marker160(excel::XlsxFile& f, int r, int c) { f.number(excel::Sheet::Key, r, c, 160); }

// Negative sizes stand for the usual 3; the levels and chart size are those of a small chart.
const Parameters kSmallChart{{excel::Parameter::Columns, 8},      {excel::Parameter::Rows, 8},
                             {excel::Parameter::CellWidth, -1},   {excel::Parameter::CellHeight, -1},
                             {excel::Parameter::RedLevels, 4},    {excel::Parameter::GreenLevels, 4},
                             {excel::Parameter::BlueLevels, 4}};

TEST(WorkbookMarker, TakesTheMarkerAsNumberRoundedOrText) {
    using excel::Sheet;
    const std::function<void(excel::XlsxFile&, int, int)> accepted[] = {
        marker160,
        [](excel::XlsxFile& f, int r, int c) { f.number(Sheet::Key, r, c, 160.4); },
        [](excel::XlsxFile& f, int r, int c) { f.text(Sheet::Key, r, c, " 160"); },
    };
    for (const auto& write : accepted) {
        const excel::WorkbookRead read = excel::readChartWorkbook(markerWorkbook(write, kSmallChart));
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
    for (const auto& [parameter, value] : std::vector<std::pair<excel::Parameter, double>>{
             {excel::Parameter::Columns, 300},      {excel::Parameter::Rows, 0},
             {excel::Parameter::CellWidth, 0},      {excel::Parameter::CellHeight, 1000000},
             {excel::Parameter::GreenLevels, 129},  {excel::Parameter::BlueLevels, 1}}) {
        Parameters parameters = kSmallChart;
        parameters.emplace_back(parameter, value);
        const excel::WorkbookRead read = excel::readChartWorkbook(markerWorkbook(marker160, parameters));
        EXPECT_TRUE(read.message.starts_with("選んだExcelファイル（marker.xlsx）は読込めません。"))
            << static_cast<int>(parameter) << ": " << read.message;
    }
}

TEST(WorkbookMarker, RefusesAnyOtherMarker) {
    using excel::Sheet;
    const std::function<void(excel::XlsxFile&, int, int)> refused[] = {
        [](excel::XlsxFile&, int, int) {},
        [](excel::XlsxFile& f, int r, int c) { f.number(Sheet::Key, r, c, 161); },
        [](excel::XlsxFile& f, int r, int c) { f.number(Sheet::Key, r, c, 160.6); },
        [](excel::XlsxFile& f, int r, int c) { f.text(Sheet::Key, r, c, "160a"); },
        [](excel::XlsxFile& f, int r, int c) { f.number(Sheet::Red, r, c, 160); },
    };
    for (const auto& write : refused) EXPECT_EQ(excel::readChartWorkbook(markerWorkbook(write)).message, kRefusal);
}

TEST(WorkbookMarker, RefusesFilesThatAreNoWorkbook) {
    const std::filesystem::path folder = scratchFolder();
    const std::string broken = (folder / "marker.xlsx").string();
    std::ofstream(broken) << "PK\x03\x04 not really a zip";
    EXPECT_EQ(excel::readChartWorkbook(broken).message, kRefusal);
    EXPECT_EQ(excel::readChartWorkbook((folder / "no-such-folder" / "marker.xlsx").string()).message, kRefusal);
}

}  // namespace
