#pragma once

#include "platform/bitmap.h"

#include <memory>
#include <optional>
#include <string>

namespace excel {

// A cell as a spreadsheet file holds it: nothing, a number or a text.
struct CellValue {
    enum class Kind { Empty, Number, Text };
    Kind kind = Kind::Empty;
    double number = 0;
    std::string text;
};

// An .xlsx file read into memory, whatever program saved it. The one place that knows the reading
// library, whose interfaces change from release to release.
class SpreadsheetDocument {
public:
    SpreadsheetDocument();
    ~SpreadsheetDocument();
    SpreadsheetDocument(const SpreadsheetDocument&) = delete;
    SpreadsheetDocument& operator=(const SpreadsheetDocument&) = delete;

    // Reads the file; returns an empty text on success, otherwise why it cannot be read.
    std::string load(const std::string& path);

    int sheetCount() const;
    // Rows and columns count from 0; a cell outside the sheets is empty.
    CellValue cell(int sheet, int row, int column) const;
    // The solid fill colour of a cell, if it has one.
    std::optional<platform::Rgb> fill(int sheet, int row, int column) const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace excel
