#include "excel/content_wire.h"
#include "excel/separate_process.h"
#include "excel/spreadsheet_document.h"
#include "excel/workbook_archive.h"
#include "excel/workbook_values.h"

#include "chart/chart_limits.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace excel {
namespace {

// The upper block, its empty row and the lower block of the largest chart.
constexpr int kLastValueRow = 2 * chart::kMaxCells + 1;
// Far more than the largest workbook the archive lets through takes to read.
constexpr int kReadingSeconds = 60;

std::string cannotOpen(const std::string& path, std::string_view why) {
    return "Excelファイル（" + std::filesystem::path(path).filename().string() + "）を開けません。" + std::string(why);
}

// The marker: an empty cell counts as 0, a fraction is rounded, a text is read as a number, and a
// text that is no number is no marker.
bool isChartMarker(const Variant& marker) {
    if (isEmpty(marker)) return false;
    const std::optional<double> number = numberIn(marker);
    return number && std::nearbyint(*number) == kChartMarker;
}

// A level is read as the marker is, so a level typed as text counts; far beyond any level count, a
// number only has to stay one.
std::optional<long long> levelIn(const Variant& value) {
    constexpr double kFarBeyond = 1e9;
    const std::optional<double> number = numberIn(value);
    if (!number) return std::nullopt;
    return static_cast<long long>(std::nearbyint(std::clamp(*number, -kFarBeyond, kFarBeyond)));
}

int levelOrNone(const std::optional<long long>& level) {
    return level && *level >= 0 ? static_cast<int>(*level) : kNoLevel;
}

// The level blocks start after the empty row that ends the red sheet's upper block. A row ends at
// its first empty red cell or negative red level; rows and cells past the largest chart are not read.
void readLevels(const SpreadsheetDocument& document, WorkbookValues& values) {
    const auto cell = [&document](int channel, int row, int column) {
        return document.cell(sheetIndex(valueSheet(channel)), row - 1, column - 1);
    };
    int first = 1;
    while (first <= kLastValueRow && !isEmpty(cell(0, first, 1))) ++first;
    ++first;
    for (int row = first; row <= kLastValueRow && row - first < chart::kMaxCells; ++row) {
        if (isEmpty(cell(0, row, 1))) break;
        std::vector<int> red;
        for (int column = 1; column <= chart::kMaxCells; ++column) {
            const Variant value = cell(0, row, column);
            const std::optional<long long> level = levelIn(value);
            if (textForm(value).empty() || (level && *level < 0)) break;
            red.push_back(levelOrNone(level));
        }
        for (int channel = 1; channel < 3; ++channel) {
            std::vector<int>& levels = values.levels[channel].emplace_back(red.size());
            for (std::size_t x = 0; x < levels.size(); ++x) levels[x] = levelOrNone(levelIn(cell(channel, row, static_cast<int>(x) + 1)));
        }
        values.levels[0].push_back(std::move(red));
    }
}

// The colours of the upper blocks, as many rows and cells as the lower blocks hold.
void readColours(const SpreadsheetDocument& document, WorkbookValues& values) {
    for (int channel = 0; channel < 3; ++channel) {
        for (std::size_t row = 0; row < values.levels[0].size(); ++row) {
            std::vector<int>& colours = values.colours[static_cast<std::size_t>(channel)].emplace_back(values.levels[0][row].size());
            for (std::size_t x = 0; x < colours.size(); ++x) {
                colours[x] = levelOrNone(levelIn(document.cell(sheetIndex(valueSheet(channel)), static_cast<int>(row),
                                                               static_cast<int>(x))));
            }
        }
    }
}

// What the reader takes of the workbook the reading library made of the file.
WorkbookValues valuesOf(const SpreadsheetDocument& document) {
    WorkbookValues values;
    values.sheets = document.sheetCount();
    const auto key = [&document](int row, int column) { return document.cell(sheetIndex(Sheet::Key), row - 1, column - 1); };
    if (values.sheets > sheetIndex(Sheet::Key)) {
        values.marked = isChartMarker(key(parameterRow(Parameter::Marker), kParameterValueColumn));
        for (int p = 0; p < kParameterCount; ++p) {
            values.parameters[static_cast<std::size_t>(p)] = VariantToIntDef(key(kParameterRow + p, kParameterValueColumn), 0);
        }
        values.codeSystem = trimmed(textForm(key(kCodeSystemRow, kTextColumn)));
        values.fabricUnit = trimmed(textForm(key(kFabricUnitRow, kTextColumn)));
        values.appearance = trimmed(textForm(key(kAppearanceRow, kTextColumn))) == kAppearanceMark;
    }
    for (int channel = 0; channel < 3; ++channel) {
        values.valuesBegin[static_cast<std::size_t>(channel)] = !isEmpty(document.cell(sheetIndex(valueSheet(channel)), 0, 0));
    }
    if (values.sheets >= kSheetCount) {
        readLevels(document, values);
        if (values.appearance) readColours(document, values);
    }
    return values;
}

}  // namespace

OpenedWorkbook readWorkbookValues(const std::string& path) {
    const WorkbookArchive archive = openWorkbookArchive(path);
    if (!archive.problem.empty()) return {cannotOpen(path, archive.problem), {}};
    // The reading library aborts on some damaged sheets (a column numbered 0, for one) and may print
    // what it meets: it reads in a process of its own, whose end is only a refusal here.
    const std::optional<std::string> packed = runSeparately(
        [&archive] {
            SpreadsheetDocument document;
            return packValues(document.load(archive) ? valuesOf(document) : WorkbookValues{});
        },
        kReadingSeconds);
    std::optional<WorkbookValues> values = packed ? unpackValues(*packed) : std::nullopt;
    if (!values || values->sheets == 0) return {cannotOpen(path, kNoWorkbook), {}};
    return {{}, std::move(*values)};
}

}  // namespace excel
