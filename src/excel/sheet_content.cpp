#include "excel/sheet_content.h"

#include <cassert>

namespace excel {

CellData& SheetContent::cell(int row, int column) {
    assert(row >= 1 && column >= 1);
    if (row > static_cast<int>(rows_.size())) rows_.resize(row);
    std::vector<CellData>& cells = rows_[row - 1];
    if (column > static_cast<int>(cells.size())) cells.resize(column);
    return cells[column - 1];
}

const CellData* SheetContent::find(int row, int column) const {
    if (row < 1 || row > static_cast<int>(rows_.size())) return nullptr;
    const std::vector<CellData>& cells = rows_[row - 1];
    if (column < 1 || column > static_cast<int>(cells.size())) return nullptr;
    return &cells[column - 1];
}

const Variant& SheetContent::value(int row, int column) const {
    static const Variant kNothing;
    const CellData* found = find(row, column);
    return found ? found->value : kNothing;
}

int SheetContent::lastColumn(int row) const {
    return row >= 1 && row <= lastRow() ? static_cast<int>(rows_[row - 1].size()) : 0;
}

void SheetContent::setLine(int row, int column, Edge edge, LineWeight weight) {
    switch (edge) {
    case Edge::Left:
        if (column > 1) cell(row, column - 1).right = weight;
        else cell(row, column).left = weight;
        break;
    case Edge::Top:
        if (row > 1) cell(row - 1, column).bottom = weight;
        else cell(row, column).top = weight;
        break;
    case Edge::Right:
        cell(row, column).right = weight;
        break;
    case Edge::Bottom:
        cell(row, column).bottom = weight;
        break;
    }
}

}  // namespace excel
