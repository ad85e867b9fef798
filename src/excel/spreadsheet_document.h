#pragma once

#include "excel/cell_value.h"
#include "excel/workbook_archive.h"

#include <memory>

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
    // Rows and columns count from 0; a cell outside the sheets is empty.
    Variant cell(int sheet, int row, int column) const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace excel
