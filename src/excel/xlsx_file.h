#pragma once

#include "excel/workbook_layout.h"
#include "platform/bitmap.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace excel {

// The look of one chart sheet cell: its lines, its fill, and whether it holds a number label.
struct CellStyle {
    CellLines lines;
    std::optional<platform::Rgb> fill;
    bool label = false;
};

// A new .xlsx file with the six sheets of a chart workbook, named, set up for printing and with the
// key sheet's header, as every chart workbook and the template have them. The contents are held in
// memory and reach the file on close. Strings go to the shared string table, which every reader
// takes; inline strings, the library's low-memory mode, are dropped by some.
class XlsxFile {
public:
    explicit XlsxFile(const std::string& path);
    ~XlsxFile();
    XlsxFile(const XlsxFile&) = delete;
    XlsxFile& operator=(const XlsxFile&) = delete;

    void number(Sheet sheet, int row, int column, double value);
    void text(Sheet sheet, int row, int column, std::string_view value);
    // A chart sheet cell: a styled text, or a styled empty cell when the text is empty.
    void chartCell(Sheet sheet, int row, int column, const CellStyle& style, std::string_view value = {});
    void labelNumber(Sheet sheet, int row, int column, const CellStyle& style, double value);
    void columnPixels(Sheet sheet, int firstColumn, int lastColumn, int pixels);
    void rowPixels(Sheet sheet, int row, int pixels);

    // Writes the file; returns an empty text on success, otherwise what went wrong.
    std::string close();

private:
    lxw_worksheet* sheet(Sheet s) const { return sheets_[sheetIndex(s)]; }
    lxw_format* format(const CellStyle& style);

    lxw_workbook* workbook_;
    lxw_worksheet* sheets_[kSheetCount]{};
    // The library makes a new format for each request; a chart uses a few dozen looks many times.
    std::unordered_map<std::uint64_t, lxw_format*> formats_;
    std::string message_;
};

}  // namespace excel
