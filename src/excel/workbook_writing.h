#pragma once

#include "excel/chart_workbook.h"
#include "excel/workbook_layout.h"
#include "platform/bitmap.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace excel {

enum class LineWeight : std::uint8_t { None, Hairline, Thin };

// How a cell looks. Plain cells keep the spreadsheet's own look; the chart sheets' cells are
// centred, the numbers along the top and the left small, the symbols readable in a 12-pixel cell.
// A line between two cells is drawn as the right or bottom edge of the one before.
struct CellLook {
    enum class Font : std::uint8_t { Plain, Number, Symbol };
    Font font = Font::Plain;
    LineWeight right = LineWeight::None;
    LineWeight bottom = LineWeight::None;
    std::optional<platform::Rgb> fill;
};

// The six sheets of a chart workbook written in memory as .xlsx, each set up for printing. Rows and
// columns count from 1. An empty text leaves its cell as empty as a blank does.
class WorkbookWriter {
public:
    WorkbookWriter();
    ~WorkbookWriter();
    WorkbookWriter(const WorkbookWriter&) = delete;
    WorkbookWriter& operator=(const WorkbookWriter&) = delete;

    // Column widths in characters of the default font, row heights in points.
    void columnWidth(Sheet sheet, int column, double characters);
    void rowHeight(Sheet sheet, int row, double points);
    void number(Sheet sheet, int row, int column, double value, const CellLook& look = {});
    void text(Sheet sheet, int row, int column, const std::string& value, const CellLook& look = {});
    void blank(Sheet sheet, int row, int column, const CellLook& look);

    // Only rows 1 to lastRow and columns 1 to lastColumn print.
    void printArea(Sheet sheet, int lastRow, int lastColumn);
    // A new printed page begins at each of these rows and at each of these columns.
    void pageBreaks(Sheet sheet, const std::vector<int>& rows, const std::vector<int>& columns);
    // The footer of every printed page, in the spreadsheet's codes ("&P" the page number).
    void footer(Sheet sheet, std::string_view text);
    // The workbook keeps the sheet, but neither shows nor prints it.
    void hide(Sheet sheet);

    // The workbook's bytes, or the reason it could not be made.
    WorkbookBytes finish();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace excel
