#include "chart/code_painting.h"

namespace chart {

const palette::ColourEntry* cellEntry(const ChartModel& model, const palette::ColourTable& table, int column, int row) {
    const std::int32_t packed = model.cell(column, row);
    if (packed < 0) return nullptr;
    const int code = model.cube.codes.at(unpack(packed));
    return code < 0 ? nullptr : &table[static_cast<std::size_t>(code)];
}

void paintCodeColours(ChartModel& model, const palette::ColourTable& table) {
    for (int column = 0; column < model.columns; ++column) {
        for (int row = 0; row < model.rows; ++row) {
            if (model.cell(column, row) < 0) continue;
            if (const palette::ColourEntry* entry = cellEntry(model, table, column, row)) {
                model.cellColour(column, row) = codeColour(*entry);
            } else {
                model.cell(column, row) = kEmptyCell;
                model.cellColour(column, row) = kWhite;
            }
        }
    }
}

Bitmap iconBitmap(const ChartModel& model) {
    Bitmap icon(model.columns, model.rows, kWhite);
    for (int column = 0; column < model.columns; ++column) {
        for (int row = 0; row < model.rows; ++row) {
            if (model.cell(column, row) >= 0) icon.set(column, row, model.cellColour(column, row));
        }
    }
    return icon;
}

Bitmap chartBitmap(const ChartModel& model) {
    Bitmap picture(model.columns * model.cellWidth, model.rows * model.cellHeight);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.set(x, y, model.cellColour(x / model.cellWidth, y / model.cellHeight));
        }
    }
    return picture;
}

}  // namespace chart
