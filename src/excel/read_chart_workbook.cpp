#include "excel/chart_workbook.h"

#include "chart/cube_size.h"
#include "excel/workbook_layout.h"
#include "excel/workbook_values.h"
#include "platform/failure.h"
#include "view/cell_geometry.h"

#include <algorithm>
#include <filesystem>

namespace excel {
namespace {

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

WorkbookRead unreadable(std::string message) {
    WorkbookRead read;
    read.message = std::move(message);
    read.unreadable = true;
    return read;
}

// A workbook without one of a chart workbook's sheets, as the spreadsheet program says it.
WorkbookRead missingSheet(const std::string& path, Sheet sheet) {
    return unreadable("Excelファイル（" + fileName(path) + "）にシート" + std::to_string(sheetNumber(sheet)) + "がありません");
}

int levelsOf(int stored, int cubeItem) {
    if (stored >= 1) return stored;
    return cubeItem >= 0 && cubeItem < static_cast<int>(chart::kCubeSizeItems.size())
               ? chart::kCubeSizeItems[cubeItem].levels
               : chart::kFewestLevels;
}

void readParameters(const WorkbookValues& values, chart::ChartModel& model, WorkbookParameters& parameters) {
    const auto parameter = [&values](Parameter p) { return values.parameters[static_cast<std::size_t>(p)]; };
    parameters.panelWidth = std::max(parameter(Parameter::PanelWidth), kFewestPixels);
    parameters.panelHeight = std::max(parameter(Parameter::PanelHeight), kFewestPixels);
    model.displayWidth = std::max(parameter(Parameter::ImageWidth), kFewestPixels);
    model.displayHeight = std::max(parameter(Parameter::ImageHeight), kFewestPixels);
    parameters.cubeItem = std::clamp(parameter(Parameter::CubeItem), 0, static_cast<int>(chart::kCubeSizeItems.size()) - 1);
    model.cube.levels = chart::LevelCounts{levelsOf(parameter(Parameter::RedLevels), parameters.cubeItem),
                                           levelsOf(parameter(Parameter::GreenLevels), parameters.cubeItem),
                                           levelsOf(parameter(Parameter::BlueLevels), parameters.cubeItem)};
    model.options.smoothing = parameter(Parameter::Smoothing) == kOptionOn;
    model.options.boundary = parameter(Parameter::Boundary) == kOptionOn;
    model.options.maxColours = std::max(parameter(Parameter::MaxColours), 0);
    parameters.resultColours = std::max(parameter(Parameter::ResultColours), 0);
    // A negative cell size or count stands for the usual 3 in a chart workbook; anything else is
    // checked against what a chart can be before the workbook is taken.
    const auto orUsual = [](int value) { return value < 0 ? kFallbackCellCount : value; };
    model.cellWidth = orUsual(parameter(Parameter::CellWidth));
    model.cellHeight = orUsual(parameter(Parameter::CellHeight));
    model.columns = orUsual(parameter(Parameter::Columns));
    model.rows = orUsual(parameter(Parameter::Rows));
    const int countSize = parameter(Parameter::CountSize);
    parameters.countSize = (countSize > 0 ? countSize : kCountSizeScale) / static_cast<double>(kCountSizeScale);
    parameters.fabricUnit = values.fabricUnit == "mm" ? "mm" : "cm";
    model.options.codeSystem = values.codeSystem;
    model.options.appearance = values.appearance;
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

// Each cell whose three levels lie inside the cube; any other, such as the 255 of an empty cell,
// stays empty.
void readCells(const WorkbookValues& values, chart::ChartModel& model, WorkbookProgress& progress) {
    std::fill(model.grid.begin(), model.grid.end(), chart::kEmptyCell);
    const chart::LevelCounts& levels = model.cube.levels;
    const auto fits = [](int level, int count) { return level >= 0 && level < count; };
    const auto& [red, green, blue] = values.levels;
    for (std::size_t y = 0; y < red.size(); ++y) {
        for (std::size_t x = 0; x < red[y].size(); ++x) {
            const int r = red[y][x];
            const int g = green[y][x];
            const int b = blue[y][x];
            if (fits(r, levels.red) && fits(g, levels.green) && fits(b, levels.blue)) {
                model.cell(static_cast<int>(x), static_cast<int>(y)) = chart::pack(r, g, b);
            }
            // The colour recorded for the cell, from which its code is taken when the threads were
            // chosen for the look.
            if (values.appearance) {
                const auto& [cr, cg, cb] = values.colours;
                if (fits(cr[y][x], 256) && fits(cg[y][x], 256) && fits(cb[y][x], 256)) {
                    model.cellColour(static_cast<int>(x), static_cast<int>(y)) =
                        chart::Rgb{static_cast<std::uint8_t>(cr[y][x]), static_cast<std::uint8_t>(cg[y][x]),
                                   static_cast<std::uint8_t>(cb[y][x])};
                }
            }
        }
        progress.step(2);
    }
    progress.step(kRowSteps - 2 * static_cast<int>(red.size()));
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
    OpenedWorkbook opened = readWorkbookValues(path);
    if (!opened.problem.empty()) return unreadable(std::move(opened.problem));
    const WorkbookValues& values = opened.values;
    progress.step(kOpeningSteps);
    if (values.sheets < sheetNumber(Sheet::Key)) return missingSheet(path, Sheet::Key);
    progress.step(kMarkerSteps);
    if (!values.marked) return platform::failure<WorkbookRead>(notAChartWorkbook(path));

    WorkbookRead result;
    readParameters(values, result.model, result.parameters);
    std::string refusal = parameterRefusal(result.model);
    // A chart workbook's value sheets each begin with the colour of the chart's first cell. A sheet
    // that is empty there, as when a relationship names the wrong part, leaves a damaged workbook
    // that would read as an empty chart.
    for (int channel = 0; channel < 3 && refusal.empty(); ++channel) {
        if (values.sheets < sheetNumber(valueSheet(channel))) return missingSheet(path, valueSheet(channel));
        if (!values.valuesBegin[static_cast<std::size_t>(channel)]) refusal = "色の値のシートがないか、壊れています";
    }
    if (!refusal.empty()) {
        return platform::failure<WorkbookRead>("選んだExcelファイル（" + fileName(path) + "）は読込めません。" + refusal + "。");
    }
    keepWithinPictureArea(result.model, result.parameters);
    progress.step(kParameterSteps);

    progress.stage("データ前処理中");
    progress.step(0);
    progress.stage("データ読込中");
    progress.step(kPreparationSteps);
    readCells(values, result.model, progress);
    return result;
}

}  // namespace excel
