#pragma once

#include "excel/cell_value.h"
#include "platform/bitmap.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace excel {

// Line weights as a spreadsheet numbers them; 0 is no line.
enum class LineWeight : std::uint8_t { None = 0, Hairline = 1, Thin = 2 };

// One cell of a sheet in memory. A line between two cells belongs to one of them, so that drawing
// it from either side gives the same line: the right and bottom edges are the cell's own; its left
// and top edges are its neighbours' right and bottom, except along the sheet's first column and row.
struct CellData {
    Variant value;
    std::optional<platform::Rgb> fill;
    LineWeight left = LineWeight::None;
    LineWeight top = LineWeight::None;
    LineWeight right = LineWeight::None;
    LineWeight bottom = LineWeight::None;
};

enum class Edge { Left, Top, Right, Bottom };

// A worksheet held in memory. Rows and columns count from 1, as the spreadsheet user counts them.
class SheetContent {
public:
    explicit SheetContent(std::string name) : name_(std::move(name)) {}

    const std::string& name() const { return name_; }

    // The cell, made when it is not there yet.
    CellData& cell(int row, int column);
    // The cell, or nullptr when nothing was ever put in it.
    const CellData* find(int row, int column) const;
    const Variant& value(int row, int column) const;

    void setLine(int row, int column, Edge edge, LineWeight weight);

    // The last row and column that hold a cell, 0 for an empty sheet.
    int lastRow() const { return static_cast<int>(rows_.size()); }
    int lastColumn(int row) const;

    // Column widths in characters and row heights in points, where they were set.
    std::map<int, double> columnWidths;
    std::map<int, double> rowHeights;

private:
    std::string name_;
    std::vector<std::vector<CellData>> rows_;  // rows_[row - 1][column - 1]
};

// A workbook held in memory: its sheets in order.
struct WorkbookContent {
    std::vector<SheetContent> sheets;
};

}  // namespace excel
