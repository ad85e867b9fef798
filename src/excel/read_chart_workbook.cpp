#include "excel/chart_workbook.h"

#include "chart/cube_size.h"
#include "excel/workbook_engine.h"
#include "excel/workbook_layout.h"
#include "platform/failure.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

namespace excel {
namespace {

// The upper block, its empty row and the lower block of the largest chart.
constexpr int kLastValueRow = 2 * chart::kMaxCells + 1;
constexpr int kFewestPixels = 4;
constexpr int kFallbackCellCount = 3;
// What the progress bar of an import counts for the rows, two steps each.
constexpr int kRowSteps = 400;

std::string fileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The marker: an empty cell counts as 0, a fraction is rounded, a text is read as a number, and a
// text that is no number is no marker.
bool isChartMarker(const Variant& marker) {
    double number = 0;
    if (const double* stored = std::get_if<double>(&marker)) {
        number = *stored;
    } else if (const std::string* text = std::get_if<std::string>(&marker)) {
        const std::string digits = trimmed(*text);
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return false;
    }
    return std::nearbyint(number) == kChartMarker;
}

class KeySheet {
public:
    explicit KeySheet(Worksheet sheet) : sheet_(std::move(sheet)) {}
    int parameter(Parameter p) const { return VariantToIntDef(value(parameterRow(p), kParameterValueColumn), 0); }
    std::string text(int row) const { return trimmed(textForm(value(row, kTextColumn))); }
    Variant value(int row, int column) const { return sheet_.Cells(row, column).value(); }

private:
    Worksheet sheet_;
};

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

// The next number of a row text, before its first comma, and the text after that comma. A field
// that is no whole number gives the fallback; `complete` tells whether a comma ended a non-empty field.
struct Field {
    int level;
    bool complete;
};

Field takeField(std::string_view& text, int fallback) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return {fallback, false};
    const int level = VariantToIntDef(Variant(std::string(text.substr(0, comma))), fallback);
    text.remove_prefix(comma + 1);
    return {level, comma > 0};
}

bool levelFits(int level, int levels) { return level >= 0 && level < levels; }

// The level numbers of the lower blocks, as "read01" left them in row texts. The block starts after
// the first row whose red value is no number of 0 or more, and a row ends at its first field
// without a red level. Levels outside the cube, such as the 255 of an empty cell, leave the cell
// empty; rows and fields past the largest chart are not read.
void readCells(const Workbook& book, chart::ChartModel& model, WorkbookProgress& progress) {
    std::fill(model.grid.begin(), model.grid.end(), chart::kEmptyCell);
    const Worksheet sheets[3] = {book.WorkSheets(sheetNumber(Sheet::Red)), book.WorkSheets(sheetNumber(Sheet::Green)),
                                 book.WorkSheets(sheetNumber(Sheet::Blue))};
    const auto rowText = [&](int channel, int row) { return textForm(sheets[channel].Cells(row, 1).value()); };
    int first = 1;
    while (first <= kLastValueRow && VariantToIntDef(sheets[0].Cells(first, 1).value(), -1) >= 0) ++first;
    ++first;
    const chart::LevelCounts& levels = model.cube.levels;
    int rowsRead = 0;
    for (int row = first; row <= kLastValueRow && row - first < chart::kMaxCells; ++row) {
        const std::string redText = rowText(0, row);
        if (trimmed(redText).empty()) break;
        const std::string greenText = rowText(1, row);
        const std::string blueText = rowText(2, row);
        std::string_view red = redText, green = greenText, blue = blueText;
        for (int x = 0; x < chart::kMaxCells; ++x) {
            const Field r = takeField(red, -1);
            if (r.level < 0 || !r.complete) break;
            const int g = takeField(green, 0).level;
            const int b = takeField(blue, 0).level;
            const bool fits = levelFits(r.level, levels.red) && levelFits(g, levels.green) && levelFits(b, levels.blue);
            model.cell(x, row - first) = fits ? chart::pack(r.level, g, b) : chart::kEmptyCell;
        }
        ++rowsRead;
        progress.step(2);
    }
    progress.step(kRowSteps - 2 * rowsRead);
}

}  // namespace

std::string notAChartWorkbook(const std::string& path) {
    return "選んだExcelファイル（" + fileName(path) + "）は図案ファイルではありません。";
}

WorkbookRead readChartWorkbook(const std::string& path, WorkbookProgress& progress) {
    Application excel;
    Workbook book = excel.WorkBooks().open(path);
    progress.step(2);
    // The chosen file is never changed: the workbook is closed without saving however reading ends.
    struct CloseWithoutSaving {
        Workbook& book;
        ~CloseWithoutSaving() { book.close(0); }
    } closing{book};

    const KeySheet key(book.WorkSheets(sheetNumber(Sheet::Key)));
    progress.step(2);
    if (!isChartMarker(key.value(parameterRow(Parameter::Marker), kParameterValueColumn))) {
        return platform::failure<WorkbookRead>(notAChartWorkbook(path));
    }
    WorkbookRead result;
    readParameters(key, result.model, result.parameters);
    const std::string refusal = parameterRefusal(result.model);
    if (!refusal.empty()) {
        return platform::failure<WorkbookRead>("選んだExcelファイル（" + fileName(path) + "）は読込めません。" + refusal + "。");
    }
    progress.step(10);

    progress.stage("データ前処理中");
    progress.step(0);
    excel.run("read01");
    progress.stage("データ読込中");
    progress.step(10);
    readCells(book, result.model, progress);
    return result;
}

}  // namespace excel
