#include "excel/chart_workbook.h"

#include "chart/cube_size.h"
#include "excel/spreadsheet_document.h"
#include "excel/workbook_layout.h"
#include "platform/failure.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <optional>

namespace excel {
namespace {

// The upper block, its empty row and the lower block of the largest chart.
constexpr int kValueRowsEnd = 2 * chart::kMaxCells + 1;
constexpr int kFewestPixels = 4;
constexpr int kFallbackCellCount = 3;

std::string notAChart(const std::string& path) {
    return "選んだExcelファイル（" + std::filesystem::path(path).filename().string() + "）は図案ファイルではありません。";
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::optional<double> numberOf(const CellValue& value) {
    if (value.kind == CellValue::Kind::Number) return value.number;
    if (value.kind != CellValue::Kind::Text) return std::nullopt;
    const std::string text = trimmed(value.text);
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return number;
}

// A whole number as a cell holds it, as number or as text; a fraction, any other text or an empty
// cell gives the fallback.
int wholeNumber(const CellValue& value, int fallback) {
    const std::optional<double> number = numberOf(value);
    if (!number || *number != std::trunc(*number) || std::abs(*number) > 1e9) return fallback;
    return static_cast<int>(*number);
}

class KeySheet {
public:
    explicit KeySheet(const SpreadsheetDocument& document) : document_(document) {}
    int parameter(Parameter p) const { return wholeNumber(value(parameterRow(p), kParameterValueColumn), 0); }
    std::string text(int row) const { return trimmed(value(row, kTextColumn).text); }
    CellValue value(int row, int column) const { return document_.cell(sheetIndex(Sheet::Key), row, column); }

private:
    const SpreadsheetDocument& document_;
};

// The marker: an empty cell counts as 0, a fraction is rounded, a text is read as a number.
bool hasChartMarker(const KeySheet& key) {
    const CellValue marker = key.value(parameterRow(Parameter::Marker), kParameterValueColumn);
    if (marker.kind == CellValue::Kind::Empty) return false;
    const std::optional<double> number = numberOf(marker);
    return number && std::nearbyint(*number) == kChartMarker;
}

int levelsOf(int stored, int cubeItem) {
    if (stored >= 1) return stored;
    return cubeItem >= 0 && cubeItem < static_cast<int>(chart::kCubeSizeItems.size())
               ? chart::kCubeSizeItems[cubeItem].levels
               : chart::kFewestLevels;
}

void readParameters(const KeySheet& key, chart::ChartModel& model, WorkbookParameters& parameters) {
    parameters.panelWidth = std::max(key.parameter(Parameter::PanelWidth), kFewestPixels);
    parameters.panelHeight = std::max(key.parameter(Parameter::PanelHeight), kFewestPixels);
    model.displayWidth = std::max(key.parameter(Parameter::ImageWidth), kFewestPixels);
    model.displayHeight = std::max(key.parameter(Parameter::ImageHeight), kFewestPixels);
    parameters.cubeItem = std::clamp(key.parameter(Parameter::CubeItem), 0,
                                     static_cast<int>(chart::kCubeSizeItems.size()) - 1);
    model.cube.levels = chart::LevelCounts{levelsOf(key.parameter(Parameter::RedLevels), parameters.cubeItem),
                                           levelsOf(key.parameter(Parameter::GreenLevels), parameters.cubeItem),
                                           levelsOf(key.parameter(Parameter::BlueLevels), parameters.cubeItem)};
    model.options.smoothing = key.parameter(Parameter::Smoothing) == kOptionOn;
    model.options.boundary = key.parameter(Parameter::Boundary) == kOptionOn;
    model.options.maxColours = std::max(key.parameter(Parameter::MaxColours), 0);
    parameters.resultColours = std::max(key.parameter(Parameter::ResultColours), 0);
    // A negative cell size or count has always stood for the usual 3; anything else is checked
    // against what a chart can be before the workbook is taken.
    const auto orUsual = [](int value) { return value < 0 ? kFallbackCellCount : value; };
    model.cellWidth = orUsual(key.parameter(Parameter::CellWidth));
    model.cellHeight = orUsual(key.parameter(Parameter::CellHeight));
    model.columns = orUsual(key.parameter(Parameter::Columns));
    model.rows = orUsual(key.parameter(Parameter::Rows));
    const int countSize = key.parameter(Parameter::CountSize);
    parameters.countSize = (countSize > 0 ? countSize : kCountSizeScale) / static_cast<double>(kCountSizeScale);
    parameters.fabricUnit = key.text(kFabricUnitRow) == "mm" ? "mm" : "cm";
    model.options.codeSystem = key.text(kCodeSystemRow);
}

// What in the parameters no chart of the program can be: refused with the reason before anything
// of the current chart changes, rather than run past the grid, the level tables or the memory.
std::string parameterRefusal(const chart::ChartModel& model) {
    if (!chart::cellCountAllowed(model.columns) || !chart::cellCountAllowed(model.rows)) {
        return "図案の目数（" + std::to_string(model.columns) + " × " + std::to_string(model.rows) + "）が" +
               std::to_string(chart::kMinCells) + "から" + std::to_string(chart::kMaxCells) + "の範囲にありません";
    }
    const long long pixels = static_cast<long long>(model.columns) * model.cellWidth * model.rows * model.cellHeight;
    if (model.cellWidth < 1 || model.cellHeight < 1 || pixels > platform::kMaxPicturePixels) {
        return "1目の大きさ（" + std::to_string(model.cellWidth) + " × " + std::to_string(model.cellHeight) +
               "ピクセル）で図案を表示できません";
    }
    const chart::LevelCounts& levels = model.cube.levels;
    if (!chart::levelCountAllowed(levels.red) || !chart::levelCountAllowed(levels.green) ||
        !chart::levelCountAllowed(levels.blue)) {
        return "色の段階数が" + std::to_string(chart::kFewestLevels) + "から" + std::to_string(chart::kMostLevels) +
               "の範囲にありません";
    }
    return {};
}

// Level counts beyond the largest cube would not fit a packed index.
bool levelFits(int level, int levels) { return level >= 0 && level < levels && level < chart::kMostLevels; }

// The level numbers of the lower blocks. The block starts after the first row whose red value is no
// number of 0 or more, and a row ends at its first cell without a red level. Levels outside the
// cube, such as the 255 of an empty cell, leave the cell empty.
void readCells(const SpreadsheetDocument& document, chart::ChartModel& model) {
    std::fill(model.grid.begin(), model.grid.end(), chart::kEmptyCell);
    const auto level = [&](int channel, int row, int column, int fallback) {
        return wholeNumber(document.cell(sheetIndex(valueSheet(channel)), row, column), fallback);
    };
    int first = 0;
    while (first < kValueRowsEnd && level(0, first, 0, -1) >= 0) ++first;
    ++first;
    const chart::LevelCounts& levels = model.cube.levels;
    for (int y = 0; y < chart::kMaxCells && first + y < kValueRowsEnd; ++y) {
        const int row = first + y;
        if (document.cell(sheetIndex(Sheet::Red), row, 0).kind == CellValue::Kind::Empty) break;
        for (int x = 0; x < chart::kMaxCells; ++x) {
            const int r = level(0, row, x, -1);
            if (r < 0) break;
            const int g = level(1, row, x, 0);
            const int b = level(2, row, x, 0);
            const bool fits = levelFits(r, levels.red) && levelFits(g, levels.green) && levelFits(b, levels.blue);
            model.cell(x, y) = fits ? chart::pack(r, g, b) : chart::kEmptyCell;
        }
    }
}

}  // namespace

WorkbookRead readChartWorkbook(const std::string& path) {
    SpreadsheetDocument document;
    if (!document.load(path).empty() || document.sheetCount() < kSheetCount) {
        return platform::failure<WorkbookRead>(notAChart(path));
    }
    const KeySheet key(document);
    if (!hasChartMarker(key)) return platform::failure<WorkbookRead>(notAChart(path));

    WorkbookRead result;
    readParameters(key, result.model, result.parameters);
    const std::string refusal = parameterRefusal(result.model);
    if (!refusal.empty()) {
        return platform::failure<WorkbookRead>("選んだExcelファイル（" + std::filesystem::path(path).filename().string() +
                                               "）は読込めません。" + refusal + "。");
    }
    readCells(document, result.model);
    return result;
}

}  // namespace excel
