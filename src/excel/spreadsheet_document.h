#pragma once

#include "excel/cell_value.h"
#include "excel/sheet_content.h"
#include "excel/workbook_archive.h"
#include "platform/bitmap.h"

#include <memory>
#include <string>

namespace excel {

// An .xlsx or .ods workbook read into memory, whatever program saved it. The one place that knows the reading
// library, whose interfaces change from release to release.
class SpreadsheetDocument {
public:
    SpreadsheetDocument();
    ~SpreadsheetDocument();
    SpreadsheetDocument(const SpreadsheetDocument&) = delete;
    SpreadsheetDocument& operator=(const SpreadsheetDocument&) = delete;

    // Reads the workbook; false when the reading library cannot.
    bool load(const WorkbookArchive& archive);

    int sheetCount() const;
    std::string sheetName(int sheet) const;
    // How many rows and columns, from the first, hold all the sheet's values.
    struct Extent {
        int rows = 0;
        int columns = 0;
    };
    Extent extent(int sheet) const;
    // Rows and columns count from 0; a cell outside the sheets is empty.
    Variant cell(int sheet, int row, int column) const;
    // How a cell looks: its solid fill colour, if it has one, and its lines, each taken as the
    // finest (hairline) or as thin; the value is left empty.
    CellData look(int sheet, int row, int column) const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace excel
