#include "test_workbooks.h"

#include "excel/spreadsheet_document.h"
#include "excel/workbook_archive.h"

#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <orcus/spreadsheet/sheet.hpp>
#include <orcus/spreadsheet/styles.hpp>
#include <xlsxwriter.h>

#include <stdexcept>

PlainWorkbook chartSheets() {
    PlainWorkbook book;
    for (std::string_view name : excel::kSheetNames) book.push_back(PlainSheet{std::string(name), {}});
    return book;
}

void put(PlainWorkbook& book, excel::Sheet sheet, int row, int column, excel::Variant value) {
    book[static_cast<std::size_t>(excel::sheetIndex(sheet))].cells[{row, column}] = std::move(value);
}

void writePlainWorkbook(const PlainWorkbook& book, const std::string& path) {
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (!workbook) throw std::runtime_error("cannot write " + path);
    for (const PlainSheet& sheet : book) {
        lxw_worksheet* worksheet = workbook_add_worksheet(workbook, sheet.name.c_str());
        for (const auto& [at, value] : sheet.cells) {
            const auto row = static_cast<lxw_row_t>(at.first - 1);
            const auto column = static_cast<lxw_col_t>(at.second - 1);
            if (const double* number = std::get_if<double>(&value)) worksheet_write_number(worksheet, row, column, *number, nullptr);
            if (const std::string* text = std::get_if<std::string>(&value)) {
                worksheet_write_string(worksheet, row, column, text->c_str(), nullptr);
            }
        }
    }
    if (workbook_close(workbook) != LXW_NO_ERROR) throw std::runtime_error("cannot write " + path);
}

namespace ss = orcus::spreadsheet;

struct WorkbookCells::Parts {
    excel::SpreadsheetDocument values;
    ss::document looks{ss::range_size_t{1048576, 16384}};
};

WorkbookCells::WorkbookCells(const std::string& path) : parts_(std::make_unique<Parts>()) {
    const excel::WorkbookArchive archive = excel::openWorkbookArchive(path);
    if (!archive.problem.empty() || !parts_->values.load(archive)) throw std::runtime_error("cannot read " + path);
    ss::import_factory factory(parts_->looks);
    orcus::orcus_xlsx filter(&factory);
    filter.read_stream(archive.bytes);
}

WorkbookCells::~WorkbookCells() = default;

excel::Variant WorkbookCells::value(excel::Sheet sheet, int row, int column) const {
    return parts_->values.cell(excel::sheetIndex(sheet), row - 1, column - 1);
}

namespace {

std::string weight(const ss::border_attrs_t& edge) {
    switch (edge.style) {
    case ss::border_style_t::unknown:
    case ss::border_style_t::none: return "";
    case ss::border_style_t::hair: return "hair";
    case ss::border_style_t::thin: return "thin";
    default: return "other";
    }
}

}  // namespace

SeenLook WorkbookCells::look(excel::Sheet sheet, int row, int column) const {
    SeenLook look;
    const ss::sheet* s = parts_->looks.get_sheet(static_cast<ss::sheet_t>(excel::sheetIndex(sheet)));
    const ss::styles& styles = parts_->looks.get_styles();
    const ss::cell_format_t* format = styles.get_cell_format(s->get_cell_format(row - 1, column - 1));
    if (!format) return look;
    if (const ss::fill_t* fill = styles.get_fill(format->fill); fill && fill->pattern_type == ss::fill_pattern_t::solid) {
        look.fill = platform::Rgb{fill->fg_color.red, fill->fg_color.green, fill->fg_color.blue};
    }
    if (const ss::border_t* border = styles.get_border(format->border)) {
        look.right = weight(border->right);
        look.bottom = weight(border->bottom);
    }
    return look;
}

bool WorkbookCells::holds(excel::Sheet sheet, int row, int column) const {
    const ss::sheet* s = parts_->looks.get_sheet(static_cast<ss::sheet_t>(excel::sheetIndex(sheet)));
    return s->get_cell_format(row - 1, column - 1) != 0 || !excel::isEmpty(value(sheet, row, column));
}
