#include "excel/automation_error.h"
#include "excel/content_wire.h"
#include "excel/separate_process.h"
#include "excel/spreadsheet_document.h"
#include "excel/workbook_archive.h"
#include "excel/workbook_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace excel {
namespace {

// The part of each sheet the engine reads: all a chart workbook uses (its value sheets hold two
// blocks of up to 200 rows, its chart sheets up to 202 columns) and more. A stray value far out in
// someone's larger spreadsheet thus never has millions of empty cells looked at.
constexpr int kReadRows = 1024;
constexpr int kReadColumns = 256;
// Far more than the largest workbook the archive lets through takes to read.
constexpr int kReadingSeconds = 60;

std::string cannotOpen(const std::string& path, const std::string& why) {
    return "Excelファイル（" + std::filesystem::path(path).filename().string() + "）を開けません。" + why;
}

// The sheets as the reading library finds them in the archive; none when it cannot read it.
WorkbookContent contentOf(const WorkbookArchive& archive) {
    SpreadsheetDocument document;
    if (!document.load(archive)) return {};
    // Fills and lines may mark empty cells, which the values' extent leaves out, and the reading
    // library cannot list them: they are looked for as far as any sheet holds values and two rows
    // and columns beyond, which takes in a chart's lines and colours.
    constexpr int kBeyondValues = 2;
    SpreadsheetDocument::Extent reach;
    for (int s = 0; s < document.sheetCount(); ++s) {
        const SpreadsheetDocument::Extent extent = document.extent(s);
        reach.rows = std::max(reach.rows, std::min(extent.rows + kBeyondValues, kReadRows));
        reach.columns = std::max(reach.columns, std::min(extent.columns + kBeyondValues, kReadColumns));
    }

    WorkbookContent content;
    for (int s = 0; s < document.sheetCount(); ++s) {
        SheetContent& sheet = content.sheets.emplace_back(document.sheetName(s));
        const SpreadsheetDocument::Extent extent = document.extent(s);
        for (int row = 0; row < reach.rows; ++row) {
            for (int column = 0; column < reach.columns; ++column) {
                Variant value = row < extent.rows && column < extent.columns ? document.cell(s, row, column) : Variant();
                const CellData look = document.look(s, row, column);
                const std::pair<Edge, LineWeight> lines[] = {
                    {Edge::Left, look.left}, {Edge::Top, look.top}, {Edge::Right, look.right}, {Edge::Bottom, look.bottom}};
                const bool lined = std::any_of(std::begin(lines), std::end(lines),
                                               [](const auto& line) { return line.second != LineWeight::None; });
                if (isEmpty(value) && !look.fill && !lined) continue;
                CellData& cell = sheet.cell(row + 1, column + 1);
                cell.value = std::move(value);
                cell.fill = look.fill;
                for (const auto& [edge, weight] : lines) {
                    if (weight != LineWeight::None) sheet.setLine(row + 1, column + 1, edge, weight);
                }
            }
        }
    }
    return content;
}

}  // namespace

WorkbookContent readWorkbookFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || !std::ifstream(path, std::ios::binary)) {
        throw AutomationError(cannotOpen(path, "ファイルがないか、読めません。"));
    }
    const WorkbookArchive archive = openWorkbookArchive(path);
    if (!archive.problem.empty()) throw AutomationError(cannotOpen(path, archive.problem));
    // The reading library aborts on some damaged sheets (a column numbered 0, for one) and may print
    // what it meets: it reads in a process of its own, whose end is only a refusal here.
    const std::optional<std::string> packed =
        runSeparately([&archive] { return packContent(contentOf(archive)); }, kReadingSeconds);
    std::optional<WorkbookContent> content = packed ? unpackContent(*packed) : std::nullopt;
    if (!content || content->sheets.empty()) throw AutomationError(cannotOpen(path, std::string(kNoWorkbook)));
    return std::move(*content);
}

}  // namespace excel
