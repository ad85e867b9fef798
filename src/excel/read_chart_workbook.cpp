#include "excel/chart_workbook.h"

#include "chart/cube_size.h"
#include "excel/workbook_engine.h"
#include "excel/workbook_layout.h"
#include "platform/failure.h"
#include "view/cell_geometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <optional>

namespace excel {
namespace {

// The upper block, its empty row and the lower block of the largest chart.
constexpr int kLastValueRow = 2 * chart::kMaxCells + 1;
constexpr int kFewestPixels = 4;
constexpr int kFallbackCellCount = 3;
// What the progress bar of an import counts for the rows, two steps each.
constexpr int kRowSteps = 400;
// The steps of the stages before the rows: the workbook opened, the marker read, the parameters
// taken, and the rows made ready.
constexpr int kOpeningSteps = 2;
constexpr int kMarkerSteps = 2;
constexpr int kParameterSteps = 10;
constexpr int kPreparationSteps = 10;

std::string fileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A number as a cell may hold it: stored as a number, or as a text that reads as one once blanks
// are trimmed, as a person typing into a spreadsheet may leave it. Nothing for a text that is none.
std::optional<double> numberIn(const Variant& value) {
    if (const double* stored = std::get_if<double>(&value)) return *stored;
    const std::string digits = trimmed(textForm(value));
    double number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return number;
}

// The marker: an empty cell counts as 0, a fraction is rounded, a text is read as a number, and a
// text that is no number is no marker.
bool isChartMarker(const Variant& marker) {
    if (isEmpty(marker)) return false;
    const std::optional<double> number = numberIn(marker);
    return number && std::nearbyint(*number) == kChartMarker;
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
    // A negative cell size or count stands for the usual 3 in a chart workbook; anything else is
    // checked against what a chart can be before the workbook is taken.
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
    // Each side first, so that no product of the four can overflow.
    const long long across = static_cast<long long>(model.columns) * model.cellWidth;
    const long long down = static_cast<long long>(model.rows) * model.cellHeight;
    if (model.cellWidth < 1 || model.cellHeight < 1 || across > platform::kMaxPicturePixels ||
        down > platform::kMaxPicturePixels || across * down > platform::kMaxPicturePixels) {
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

// The chart panel and picture sizes a window could have had for the chart's cells: between 8 and
// 200 cells each way. A size outside, which no window writes, gives way to the chart's own size.
void keepWithinPictureArea(chart::ChartModel& model, WorkbookParameters& parameters) {
    const view::CellSize cell{model.cellWidth, model.cellHeight};
    const view::AreaSize own = view::panelForCells(view::CellCounts{model.columns, model.rows}, cell, view::kPanelFrame);
    const view::AreaSize panel{parameters.panelWidth, parameters.panelHeight};
    if (view::limitPanel(panel, cell, view::kPanelFrame) != panel) {
        parameters.panelWidth = own.width;
        parameters.panelHeight = own.height;
    }
    const view::AreaSize picture{model.displayWidth, model.displayHeight};
    if (view::limitArea(picture, cell.width, cell.height) != picture) {
        model.displayWidth = own.width - view::kPanelFrame;
        model.displayHeight = own.height - view::kPanelFrame;
    }
}

// One field of a row text, the text before its next comma.
struct Field {
    bool present;                    // a comma ended a field that is not empty
    std::optional<long long> level;  // nothing when the field is no number
};

Field takeField(std::string_view& text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return {false, std::nullopt};
    const std::optional<double> number = numberIn(Variant(std::string(text.substr(0, comma))));
    text.remove_prefix(comma + 1);
    // Far beyond any level count, a number only has to stay one.
    constexpr double kFarBeyond = 1e9;
    if (!number) return {comma > 0, std::nullopt};
    return {comma > 0, static_cast<long long>(std::nearbyint(std::clamp(*number, -kFarBeyond, kFarBeyond)))};
}

bool levelFits(const std::optional<long long>& level, int levels) { return level && *level >= 0 && *level < levels; }

// The level numbers of the lower blocks, as "read01" left them in row texts. The block starts after
// the empty row that ends the upper block, and a row ends at its first empty field or negative red
// level. A level is read as the marker is, so a level typed as text counts; a level that is no
// number, or lies outside the cube such as the 255 of an empty cell, leaves that one cell empty.
// Rows and fields past the largest chart are not read.
void readCells(const Workbook& book, chart::ChartModel& model, WorkbookProgress& progress) {
    std::fill(model.grid.begin(), model.grid.end(), chart::kEmptyCell);
    const Worksheet sheets[3] = {book.WorkSheets(sheetNumber(Sheet::Red)), book.WorkSheets(sheetNumber(Sheet::Green)),
                                 book.WorkSheets(sheetNumber(Sheet::Blue))};
    const auto rowText = [&](int channel, int row) { return textForm(sheets[channel].Cells(row, 1).value()); };
    int first = 1;
    while (first <= kLastValueRow && !isEmpty(sheets[0].Cells(first, 1).value())) ++first;
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
            const Field r = takeField(red);
            if (!r.present || (r.level && *r.level < 0)) break;
            const Field g = takeField(green);
            const Field b = takeField(blue);
            const bool fits = levelFits(r.level, levels.red) && levelFits(g.level, levels.green) &&
                              levelFits(b.level, levels.blue);
            model.cell(x, row - first) = fits ? chart::pack(static_cast<int>(*r.level), static_cast<int>(*g.level),
                                                            static_cast<int>(*b.level))
                                              : chart::kEmptyCell;
        }
        ++rowsRead;
        progress.step(2);
    }
    progress.step(kRowSteps - 2 * rowsRead);
}

// A chart workbook's value sheets each begin with the colour of the chart's first cell. A sheet that
// is missing, or empty where it should hold it, as when a relationship names the wrong part, leaves
// a damaged workbook that would read as an empty chart.
bool valueSheetsPresent(const Workbook& book) {
    for (int channel = 0; channel < 3; ++channel) {
        const int sheet = sheetNumber(valueSheet(channel));
        if (isEmpty(book.WorkSheets(sheet).Cells(1, 1).value())) return false;
    }
    return true;
}

}  // namespace

void beginChartImport(WorkbookProgress& progress) {
    progress.begin(kImportFileChecks * kFileCheckStep + kOpeningSteps + kMarkerSteps + kParameterSteps +
                   kPreparationSteps + kRowSteps);
}

std::string notAChartWorkbook(const std::string& path) {
    return "選んだExcelファイル（" + fileName(path) + "）は図案ファイルではありません。";
}

WorkbookRead readChartWorkbook(const std::string& path, WorkbookProgress& progress) {
    Application excel;
    Workbook book = excel.WorkBooks().open(path);
    progress.step(kOpeningSteps);
    // The chosen file is never changed: the workbook is closed without saving however reading ends.
    struct CloseWithoutSaving {
        Workbook& book;
        ~CloseWithoutSaving() { book.close(0); }
    } closing{book};

    const KeySheet key(book.WorkSheets(sheetNumber(Sheet::Key)));
    progress.step(kMarkerSteps);
    if (!isChartMarker(key.value(parameterRow(Parameter::Marker), kParameterValueColumn))) {
        return platform::failure<WorkbookRead>(notAChartWorkbook(path));
    }
    WorkbookRead result;
    readParameters(key, result.model, result.parameters);
    std::string refusal = parameterRefusal(result.model);
    if (refusal.empty() && !valueSheetsPresent(book)) refusal = "色の値のシートがないか、壊れています";
    if (!refusal.empty()) {
        return platform::failure<WorkbookRead>("選んだExcelファイル（" + fileName(path) + "）は読込めません。" + refusal + "。");
    }
    keepWithinPictureArea(result.model, result.parameters);
    progress.step(kParameterSteps);

    progress.stage("データ前処理中");
    progress.step(0);
    excel.run("read01");
    progress.stage("データ読込中");
    progress.step(kPreparationSteps);
    readCells(book, result.model, progress);
    return result;
}

}  // namespace excel
