#include "excel/spreadsheet_document.h"

#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <orcus/spreadsheet/sheet.hpp>
#include <ixion/address.hpp>
#include <ixion/cell_access.hpp>
#include <ixion/model_context.hpp>

#include <exception>

namespace excel {
namespace {

namespace ss = orcus::spreadsheet;

// The largest sheet a spreadsheet program saves, so that no cell of any file falls outside.
constexpr ss::range_size_t kSheetSize{1048576, 16384};

}  // namespace

// The spreadsheet model keeps values and shared strings, and resolves references itself.
struct SpreadsheetDocument::Parts {
    ss::document document{kSheetSize};
    bool inside(int sheet, int row, int column) const {
        return sheet >= 0 && sheet < static_cast<int>(document.get_sheet_count()) && row >= 0 &&
               row < kSheetSize.rows && column >= 0 && column < kSheetSize.columns;
    }
};

SpreadsheetDocument::SpreadsheetDocument() : parts_(std::make_unique<Parts>()) {}
SpreadsheetDocument::~SpreadsheetDocument() = default;

bool SpreadsheetDocument::load(const WorkbookArchive& archive) {
    parts_ = std::make_unique<Parts>();
    try {
        ss::import_factory factory(parts_->document);
        // People keep their charts in either program's own format; the content tells which.
        if (archive.format == WorkbookFormat::Ods) {
            orcus::orcus_ods filter(&factory);
            filter.read_stream(archive.bytes);
        } else {
            orcus::orcus_xlsx filter(&factory);
            filter.read_stream(archive.bytes);
        }
    } catch (const std::exception&) {
        parts_ = std::make_unique<Parts>();
        return false;
    }
    return true;
}

int SpreadsheetDocument::sheetCount() const { return static_cast<int>(parts_->document.get_sheet_count()); }

Variant SpreadsheetDocument::cell(int sheet, int row, int column) const {
    if (!parts_->inside(sheet, row, column)) return {};
    // A formula counts by the result its program saved with it, a number or a text.
    try {
        const ixion::cell_access access =
            parts_->document.get_model_context().get_cell_access(ixion::abs_address_t(sheet, row, column));
        switch (access.get_value_type()) {
        case ixion::cell_value_t::numeric:
        case ixion::cell_value_t::boolean:
            return access.get_numeric_value();
        case ixion::cell_value_t::string:
            return std::string(access.get_string_value());
        default:
            return {};
        }
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace excel
