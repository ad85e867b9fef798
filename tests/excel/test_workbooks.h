#pragma once

#include "excel/cell_value.h"
#include "excel/workbook_layout.h"
#include "platform/bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Workbooks for tests, beside the chart workbooks the program writes: ones holding only the values
// a test puts in them, and any workbook's cells as the reading library finds them.

struct PlainSheet {
    std::string name;
    std::map<std::pair<int, int>, excel::Variant> cells;  // by row and column, from 1
};
using PlainWorkbook = std::vector<PlainSheet>;

// The six sheets of a chart workbook, named as the program names them and empty.
PlainWorkbook chartSheets();
void put(PlainWorkbook& book, excel::Sheet sheet, int row, int column, excel::Variant value);
void writePlainWorkbook(const PlainWorkbook& book, const std::string& path);

// How a cell looks: its solid fill and its right and bottom lines ("hair", "thin" or "").
struct SeenLook {
    std::optional<platform::Rgb> fill;
    std::string right;
    std::string bottom;
};

class WorkbookCells {
public:
    explicit WorkbookCells(const std::string& path);
    ~WorkbookCells();
    excel::Variant value(excel::Sheet sheet, int row, int column) const;
    SeenLook look(excel::Sheet sheet, int row, int column) const;
    // Whether the sheet holds the cell at all, a blank one included.
    bool holds(excel::Sheet sheet, int row, int column) const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// A folder of the running test's own, as tests run side by side and write files of the same names.
inline std::filesystem::path testFolder() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string own = std::string(test->test_suite_name()) + "-" + test->name();
    std::replace(own.begin(), own.end(), '/', '-');
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("tessaly-" + own);
    std::filesystem::create_directories(folder);
    return folder;
}
