#include "chart/code_painting.h"

namespace chart {
namespace {

Rgb entryColour(const palette::ColourEntry& entry) {
    return Rgb{static_cast<std::uint8_t>(entry.r), static_cast<std::uint8_t>(entry.g), static_cast<std::uint8_t>(entry.b)};
}

}  // namespace

int cellCodeIndex(const ChartModel& model, int column, int row) {
    const std::int32_t packed = model.cell(column, row);
    return packed < 0 ? kNoCode : model.cube.codes.at(unpack(packed));
}

void paintCodeColours(ChartModel& model, const palette::ColourTable& table) {
    for (int column = 0; column < model.columns; ++column) {
        for (int row = 0; row < model.rows; ++row) {
            if (model.cell(column, row) < 0) continue;
            const int code = cellCodeIndex(model, column, row);
            if (code < 0) {
                model.cell(column, row) = kEmptyCell;
                model.cellColour(column, row) = kWhite;
            } else {
                model.cellColour(column, row) = entryColour(table[static_cast<std::size_t>(code)]);
            }
        }
    }
}

Bitmap iconBitmap(const ChartModel& model, const palette::ColourTable& table) {
    Bitmap icon(model.columns, model.rows, kWhite);
    for (int column = 0; column < model.columns; ++column) {
        for (int row = 0; row < model.rows; ++row) {
            if (model.cell(column, row) < 0) continue;
            const int code = cellCodeIndex(model, column, row);
            icon.set(column, row, code < 0 ? kWhite : entryColour(table[static_cast<std::size_t>(code)]));
        }
    }
    return icon;
}

}  // namespace chart
