#include "excel/chart_macros.h"

#include "excel/workbook_layout.h"

namespace excel {
namespace {

SheetContent& sheetOf(WorkbookContent& book, Sheet sheet) { return book.sheets[sheetIndex(sheet)]; }

// The first row after the upper block: the empty row between the blocks.
int rowAfterUpperBlock(const SheetContent& sheet) {
    int row = 1;
    while (row <= sheet.lastRow() && !isEmpty(sheet.value(row, 1))) ++row;
    return row;
}

std::optional<platform::Rgb> colourOf(int r, int g, int b) {
    const auto channel = [](int v) { return v >= 0 && v <= 255; };
    if (!channel(r) || !channel(g) || !channel(b)) return std::nullopt;
    return platform::Rgb{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}

}  // namespace

void colourChartCells(WorkbookContent& book) {
    const SheetContent& red = sheetOf(book, Sheet::Red);
    const SheetContent& green = sheetOf(book, Sheet::Green);
    const SheetContent& blue = sheetOf(book, Sheet::Blue);
    SheetContent& chart = sheetOf(book, Sheet::ColourChart);
    const int rows = rowAfterUpperBlock(red) - 1;
    for (int y = 1; y <= rows; ++y) {
        for (int x = 1; !isEmpty(red.value(y, x)); ++x) {
            const auto colour = colourOf(VariantToIntDef(red.value(y, x), -1), VariantToIntDef(green.value(y, x), -1),
                                         VariantToIntDef(blue.value(y, x), -1));
            if (colour) chart.cell(y + kChartOrigin, x + kChartOrigin).fill = colour;
        }
    }
}

void joinLevelRows(WorkbookContent& book) {
    for (int channel = 0; channel < 3; ++channel) {
        SheetContent& sheet = sheetOf(book, valueSheet(channel));
        for (int row = rowAfterUpperBlock(sheet) + 1; !isEmpty(sheet.value(row, 1)); ++row) {
            std::string text;
            for (int column = 1; !isEmpty(sheet.value(row, column)); ++column) {
                text += textForm(sheet.value(row, column));
                text += ',';
            }
            sheet.cell(row, 1).value = std::move(text);
        }
    }
}

}  // namespace excel
