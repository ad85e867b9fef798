#include "excel/xlsx_file.h"

#include <cstdint>

#include <xlsxwriter.h>

namespace excel {
namespace {

constexpr double kSymbolFontSize = 8;
constexpr double kLabelFontSize = 6;

std::uint64_t styleKey(const CellStyle& style) {
    std::uint64_t key = style.lines.thinRight | style.lines.thinBottom << 1 | style.lines.hairline << 2 |
                        std::uint64_t{style.label} << 3;
    if (style.fill) {
        key |= std::uint64_t{1} << 4;
        key |= std::uint64_t{style.fill->r} << 8 | std::uint64_t{style.fill->g} << 16 | std::uint64_t{style.fill->b} << 24;
    }
    return key;
}

// Charts are printed on A4, the paper of the people who stitch them; a printer's own default paper
// (Letter, say) would leave a sliver of the chart on a page of its own.
constexpr std::uint8_t kA4Paper = 9;

void setUpForPrinting(lxw_worksheet* sheet) {
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, kA4Paper);
    worksheet_set_margins(sheet, kSideMargin, kSideMargin, kTopMargin, kTopMargin);
    worksheet_repeat_rows(sheet, 0, 0);
    worksheet_repeat_columns(sheet, 0, 0);
}

}  // namespace

XlsxFile::XlsxFile(const std::string& path) : workbook_(workbook_new(path.c_str())) {
    if (!workbook_) {
        message_ = "cannot create " + path;
        return;
    }
    for (int i = 0; i < kSheetCount; ++i) {
        sheets_[i] = workbook_add_worksheet(workbook_, std::string(kSheetNames[i]).c_str());
        setUpForPrinting(sheets_[i]);
    }
    for (const KeyColumn& header : kKeyHeader) text(Sheet::Key, 0, header.column, header.header);
}

XlsxFile::~XlsxFile() {
    if (workbook_) close();
}

lxw_format* XlsxFile::format(const CellStyle& style) {
    const std::uint64_t key = styleKey(style);
    if (auto found = formats_.find(key); found != formats_.end()) return found->second;
    lxw_format* f = workbook_add_format(workbook_);
    format_set_align(f, LXW_ALIGN_CENTER);
    format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
    format_set_font_size(f, style.label ? kLabelFontSize : kSymbolFontSize);
    if (style.lines.hairline) format_set_border(f, LXW_BORDER_HAIR);
    if (style.lines.thinRight) format_set_right(f, LXW_BORDER_THIN);
    if (style.lines.thinBottom) format_set_bottom(f, LXW_BORDER_THIN);
    if (style.fill) {
        format_set_pattern(f, LXW_PATTERN_SOLID);
        format_set_bg_color(f, style.fill->r << 16 | style.fill->g << 8 | style.fill->b);
    }
    formats_.emplace(key, f);
    return f;
}

void XlsxFile::number(Sheet s, int row, int column, double value) {
    if (workbook_) worksheet_write_number(sheet(s), row, column, value, nullptr);
}

void XlsxFile::text(Sheet s, int row, int column, std::string_view value) {
    if (workbook_) worksheet_write_string(sheet(s), row, column, std::string(value).c_str(), nullptr);
}

void XlsxFile::chartCell(Sheet s, int row, int column, const CellStyle& style, std::string_view value) {
    if (!workbook_) return;
    if (value.empty()) {
        worksheet_write_blank(sheet(s), row, column, format(style));
    } else {
        worksheet_write_string(sheet(s), row, column, std::string(value).c_str(), format(style));
    }
}

void XlsxFile::labelNumber(Sheet s, int row, int column, const CellStyle& style, double value) {
    if (workbook_) worksheet_write_number(sheet(s), row, column, value, format(style));
}

void XlsxFile::columnPixels(Sheet s, int firstColumn, int lastColumn, int pixels) {
    if (workbook_) worksheet_set_column_pixels(sheet(s), firstColumn, lastColumn, pixels, nullptr);
}

void XlsxFile::rowPixels(Sheet s, int row, int pixels) {
    if (workbook_) worksheet_set_row_pixels(sheet(s), row, pixels, nullptr);
}

std::string XlsxFile::close() {
    if (!workbook_) return message_;
    const lxw_error error = workbook_close(workbook_);
    workbook_ = nullptr;
    if (error != LXW_NO_ERROR) message_ = lxw_strerror(error);
    return message_;
}

}  // namespace excel
