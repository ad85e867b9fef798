#include "excel/workbook_engine.h"

#include "excel/chart_macros.h"
#include "excel/workbook_file.h"
#include "excel/workbook_layout.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>

namespace excel {

// A workbook as the engine holds it while it is open. Every reference taken from it shares it, and
// each checks that it is still open before it is used.
struct OpenWorkbook {
    WorkbookContent content;
    std::string path;
    bool changed = false;
    bool closed = false;

    void ensureOpen() const {
        if (closed) throw AutomationError("閉じたExcelファイル（" + fileName() + "）は使えません");
    }
    SheetContent& sheet(int index) {
        ensureOpen();
        if (index < 1 || index > static_cast<int>(content.sheets.size())) {
            throw AutomationError("Excelファイル（" + fileName() + "）にシート" + std::to_string(index) + "がありません");
        }
        return content.sheets[index - 1];
    }
    SheetContent& changing(int index) {
        SheetContent& s = sheet(index);
        changed = true;
        return s;
    }
    std::string fileName() const { return std::filesystem::path(path).filename().string(); }
};

namespace {

// The largest sheet a spreadsheet program keeps.
constexpr int kMaxRows = 1048576;
constexpr int kMaxColumns = 16384;

void checkCell(int row, int column) {
    if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns) {
        throw AutomationError("セル（行" + std::to_string(row) + "、列" + std::to_string(column) + "）はシートの外です");
    }
}

// "b2" or "B2": column letters, then the row number.
std::pair<int, int> cellAt(const std::string& address) {
    std::size_t i = 0;
    long long column = 0;
    while (i < address.size() && std::isalpha(static_cast<unsigned char>(address[i])) && column <= kMaxColumns) {
        column = column * 26 + (std::tolower(static_cast<unsigned char>(address[i])) - 'a' + 1);
        ++i;
    }
    long long row = 0;
    const std::size_t digits = i;
    while (i < address.size() && std::isdigit(static_cast<unsigned char>(address[i])) && row <= kMaxRows) {
        row = row * 10 + (address[i] - '0');
        ++i;
    }
    if (digits == 0 || i == digits || i != address.size() || row > kMaxRows || column > kMaxColumns) {
        throw AutomationError("セルの番地「" + address + "」が正しくありません");
    }
    checkCell(static_cast<int>(row), static_cast<int>(column));
    return {static_cast<int>(row), static_cast<int>(column)};
}

// A text written to a cell: an empty text empties the cell, and a leading apostrophe is the user's
// mark that the rest stays a text; it is not part of the value.
Variant withoutQuotePrefix(const std::string& text) {
    const bool quoted = !text.empty() && text.front() == '\'';
    if (text.size() == (quoted ? 1u : 0u)) return {};
    return quoted ? Variant(text.substr(1)) : Variant(text);
}

LineWeight lineWeight(int weight) {
    if (weight == kHairline) return LineWeight::Hairline;
    if (weight == kThin) return LineWeight::Thin;
    throw AutomationError("線の太さ" + std::to_string(weight) + "は使えません");
}

}  // namespace

SheetCell::SheetCell(std::shared_ptr<OpenWorkbook> book, int sheet, int row, int column)
    : book_(std::move(book)), sheet_(sheet), row_(row), column_(column) {
    checkCell(row, column);
}

Variant SheetCell::value() const { return book_->sheet(sheet_).value(row_, column_); }

SheetCell& SheetCell::operator=(const std::string& text) {
    book_->changing(sheet_).cell(row_, column_).value = withoutQuotePrefix(text);
    return *this;
}

SheetCell& SheetCell::operator=(int number) {
    book_->changing(sheet_).cell(row_, column_).value = static_cast<double>(number);
    return *this;
}

BorderSet::BorderSet(std::shared_ptr<OpenWorkbook> book, int sheet, int top, int left, int bottom, int right, int index)
    : book_(std::move(book)), sheet_(sheet), top_(top), left_(left), bottom_(bottom), right_(right), index_(index) {}

void BorderSet::Weight(int weight) {
    const LineWeight line = lineWeight(weight);
    SheetContent& sheet = book_->changing(sheet_);
    static constexpr Edge kEdges[] = {Edge::Left, Edge::Right, Edge::Top, Edge::Bottom};
    for (int row = top_; row <= bottom_; ++row) {
        for (int column = left_; column <= right_; ++column) {
            if (index_ == 0) {
                for (Edge edge : kEdges) sheet.setLine(row, column, edge, line);
            } else {
                sheet.setLine(row, column, kEdges[index_ - 1], line);
            }
        }
    }
}

CellRange::CellRange(std::shared_ptr<OpenWorkbook> book, int sheet, int top, int left, int bottom, int right)
    : book_(std::move(book)),
      sheet_(sheet),
      top_(std::min(top, bottom)),
      left_(std::min(left, right)),
      bottom_(std::max(top, bottom)),
      right_(std::max(left, right)) {}

BorderSet CellRange::Borders() const { return BorderSet(book_, sheet_, top_, left_, bottom_, right_, 0); }

BorderSet CellRange::Borders(int index) const {
    if (index < kLeftEdge || index > kBottomEdge) throw AutomationError("罫線の番号" + std::to_string(index) + "は使えません");
    return BorderSet(book_, sheet_, top_, left_, bottom_, right_, index);
}

void CellRange::Value(const std::string& text) { fillWith(withoutQuotePrefix(text)); }
void CellRange::Value(int number) { fillWith(static_cast<double>(number)); }

void CellRange::fillWith(const Variant& value) {
    SheetContent& sheet = book_->changing(sheet_);
    for (int row = top_; row <= bottom_; ++row) {
        for (int column = left_; column <= right_; ++column) sheet.cell(row, column).value = value;
    }
}

template <class T>
void CellRange::fill(const SafeArray<T>& block) {
    if (bottom_ - top_ + 1 > block.rows() || right_ - left_ + 1 > block.columns()) {
        throw AutomationError("書き込む値が範囲より小さい配列です");
    }
    SheetContent& sheet = book_->changing(sheet_);
    for (int row = top_; row <= bottom_; ++row) {
        for (int column = left_; column <= right_; ++column) {
            const T& item = block(row - top_, column - left_);
            if constexpr (std::is_same_v<T, std::string>) {
                sheet.cell(row, column).value = withoutQuotePrefix(item);
            } else {
                sheet.cell(row, column).value = static_cast<double>(item);
            }
        }
    }
}

void CellRange::Value(const SafeArray<int>& block) { fill(block); }
void CellRange::Value(const SafeArray<std::string>& block) { fill(block); }

SheetColumn::SheetColumn(std::shared_ptr<OpenWorkbook> book, int sheet, int column)
    : book_(std::move(book)), sheet_(sheet), column_(column) {
    checkCell(1, column);
}

void SheetColumn::ColumnWidth(int characters) {
    if (characters < 0 || characters > 255) throw AutomationError("列の幅" + std::to_string(characters) + "は使えません");
    book_->changing(sheet_).columnWidths[column_] = characters;
}

SheetRow::SheetRow(std::shared_ptr<OpenWorkbook> book, int sheet, int row) : book_(std::move(book)), sheet_(sheet), row_(row) {
    checkCell(row, 1);
}

void SheetRow::RowHeight(int points) {
    if (points < 0 || points > 409) throw AutomationError("行の高さ" + std::to_string(points) + "は使えません");
    book_->changing(sheet_).rowHeights[row_] = points;
}

Worksheet::Worksheet(std::shared_ptr<OpenWorkbook> book, int sheet) : book_(std::move(book)), sheet_(sheet) {
    book_->sheet(sheet);
}

SheetColumn Worksheet::Columns(int column) const { return SheetColumn(book_, sheet_, column); }
SheetRow Worksheet::Rows(int row) const { return SheetRow(book_, sheet_, row); }

CellRange Worksheet::Range(const std::string& first, const std::string& last) const {
    const auto [top, left] = cellAt(first);
    const auto [bottom, right] = cellAt(last);
    return CellRange(book_, sheet_, top, left, bottom, right);
}

CellRange Worksheet::Range(const SheetCell& first, const SheetCell& last) const {
    if (first.book_ != book_ || last.book_ != book_ || first.sheet_ != sheet_ || last.sheet_ != sheet_) {
        throw AutomationError("範囲の両端が同じシートのセルではありません");
    }
    return CellRange(book_, sheet_, first.row_, first.column_, last.row_, last.column_);
}

SheetCell Worksheet::Cells(int row, int column) const { return SheetCell(book_, sheet_, row, column); }

Workbook::Workbook(std::shared_ptr<OpenWorkbook> book) : book_(std::move(book)) {}

Worksheet Workbook::WorkSheets(int index) const { return Worksheet(book_, index); }

void Workbook::saveas(const std::string& path) {
    book_->ensureOpen();
    writeWorkbookFile(book_->content, path);
    book_->path = path;
    book_->changed = false;
}

void Workbook::save() {
    if (book_->changed) saveas(book_->path);
}

void Workbook::close(int saveChanges) {
    if (book_->closed) return;
    if (saveChanges != 0) save();
    book_->closed = true;
}

Workbook WorkbookCollection::open(const std::string& path) {
    auto book = std::make_shared<OpenWorkbook>();
    book->content = readWorkbookFile(path);
    book->path = path;
    application_.open_.push_back(book);
    return Workbook(book);
}

void Application::run(const std::string& macro) {
    const auto active = std::find_if(open_.rbegin(), open_.rend(), [](const auto& book) { return !book->closed; });
    if (active == open_.rend()) throw AutomationError("マクロ「" + macro + "」を実行するブックが開かれていません");
    OpenWorkbook& book = **active;
    if (static_cast<int>(book.content.sheets.size()) < kSheetCount) {
        throw AutomationError("Excelファイル（" + book.fileName() + "）には図案のシートがそろっていません");
    }
    if (macro == "draw01") {
        colourChartCells(book.content);
    } else if (macro == "read01") {
        joinLevelRows(book.content);
    } else {
        throw AutomationError("マクロ「" + macro + "」がありません");
    }
    book.changed = true;
}

}  // namespace excel
