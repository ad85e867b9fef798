#pragma once

// The spreadsheet application the chart export and import talk to. It answers the few calls they
// make of a spreadsheet program, by the names a spreadsheet's automation knows them, and keeps its
// workbooks in memory: opened from .xlsx or .ods, saved as .xlsx. Rows, columns and sheets count
// from 1. Whatever cannot be done raises AutomationError.

#include "excel/automation_error.h"
#include "excel/cell_value.h"
#include "excel/sheet_content.h"

#include <memory>
#include <string>
#include <vector>

namespace excel {

// A block of values for one range write; the first index is the row, both count from 0.
template <class T>
class SafeArray {
public:
    SafeArray(int rows, int columns) : rows_(rows), columns_(columns), items_(static_cast<std::size_t>(rows) * columns) {}
    int rows() const { return rows_; }
    int columns() const { return columns_; }
    T& operator()(int row, int column) { return items_[static_cast<std::size_t>(row) * columns_ + column]; }
    const T& operator()(int row, int column) const { return items_[static_cast<std::size_t>(row) * columns_ + column]; }

private:
    int rows_;
    int columns_;
    std::vector<T> items_;
};

// Border indexes: one edge of every cell of a range.
inline constexpr int kLeftEdge = 1;
inline constexpr int kRightEdge = 2;
inline constexpr int kTopEdge = 3;
inline constexpr int kBottomEdge = 4;
// Border weights.
inline constexpr int kHairline = 1;
inline constexpr int kThin = 2;

struct OpenWorkbook;

class SheetCell {
public:
    SheetCell(std::shared_ptr<OpenWorkbook> book, int sheet, int row, int column);
    Variant value() const;
    // The cell's default property: its value. A text that starts with an apostrophe is kept as
    // the text after it, the way a spreadsheet user marks digits that are to stay a text.
    SheetCell& operator=(const std::string& text);
    SheetCell& operator=(int number);

private:
    friend class Worksheet;
    std::shared_ptr<OpenWorkbook> book_;
    int sheet_;
    int row_;
    int column_;
};

class BorderSet {
public:
    BorderSet(std::shared_ptr<OpenWorkbook> book, int sheet, int top, int left, int bottom, int right, int index);
    void Weight(int weight);

private:
    std::shared_ptr<OpenWorkbook> book_;
    int sheet_, top_, left_, bottom_, right_;
    int index_;  // 0 for every edge of every cell
};

class CellRange {
public:
    CellRange(std::shared_ptr<OpenWorkbook> book, int sheet, int top, int left, int bottom, int right);
    BorderSet Borders() const;
    BorderSet Borders(int index) const;
    void Value(const std::string& text);
    void Value(int number);
    // A block at least as large as the range fills it from its first element; the rest is unused.
    void Value(const SafeArray<int>& block);
    void Value(const SafeArray<std::string>& block);

private:
    void fillWith(const Variant& value);
    template <class T>
    void fill(const SafeArray<T>& block);
    std::shared_ptr<OpenWorkbook> book_;
    int sheet_, top_, left_, bottom_, right_;
};

class SheetColumn {
public:
    SheetColumn(std::shared_ptr<OpenWorkbook> book, int sheet, int column);
    void ColumnWidth(int characters);

private:
    std::shared_ptr<OpenWorkbook> book_;
    int sheet_, column_;
};

class SheetRow {
public:
    SheetRow(std::shared_ptr<OpenWorkbook> book, int sheet, int row);
    void RowHeight(int points);

private:
    std::shared_ptr<OpenWorkbook> book_;
    int sheet_, row_;
};

class Worksheet {
public:
    Worksheet(std::shared_ptr<OpenWorkbook> book, int sheet);
    SheetColumn Columns(int column) const;
    SheetRow Rows(int row) const;
    // From one corner to the other, by addresses such as "b2" or by two cells of this sheet.
    CellRange Range(const std::string& first, const std::string& last) const;
    CellRange Range(const SheetCell& first, const SheetCell& last) const;
    SheetCell Cells(int row, int column) const;

private:
    std::shared_ptr<OpenWorkbook> book_;
    int sheet_;
};

class Workbook {
public:
    explicit Workbook(std::shared_ptr<OpenWorkbook> book);
    Worksheet WorkSheets(int index) const;
    // Writes the workbook under this name and keeps it as the workbook's name. The file is
    // replaced only by a complete workbook.
    void saveas(const std::string& path);
    // Writes the workbook under its name when it has changed since it was opened or saved.
    void save();
    // Closes the workbook. Its changes are saved first only when asked to (a save-changes other than
    // 0); no question is ever asked.
    void close(int saveChanges = 0);

private:
    std::shared_ptr<OpenWorkbook> book_;
};

class Application;

class WorkbookCollection {
public:
    explicit WorkbookCollection(Application& application) : application_(application) {}
    Workbook open(const std::string& path);

private:
    Application& application_;
};

class Application {
public:
    WorkbookCollection WorkBooks() { return WorkbookCollection(*this); }
    // Runs a built-in procedure on the workbook opened last: "draw01" colours the colour chart
    // from the value sheets, "read01" turns each row of the level blocks into one text.
    void run(const std::string& macro);

private:
    friend class WorkbookCollection;
    std::vector<std::shared_ptr<OpenWorkbook>> open_;
};

}  // namespace excel
