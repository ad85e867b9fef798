#include "document/chart_document.h"

#include "chart/colour_count.h"
#include "chart/cube_size.h"
#include "edit/cell_edits.h"
#include "edit/painting_visit.h"
#include "excel/export_parameters.h"
#include "excel/imported_chart.h"

#include <algorithm>

namespace document {

ChartDocument::ChartDocument(std::string cfgFolder)
    : cfgFolder_(std::move(cfgFolder)),
      settings_(palette::loadShippedSettings(cfgFolder_)),
      fabric_(palette::chooseFabric(settings_.fabrics, settings_.defaultFabric, std::nullopt, {})) {}

SystemLoad ChartDocument::start(const SavedOptions& saved, const std::optional<std::string>& system) {
    saved_ = saved;
    fabric_ = palette::chooseFabric(settings_.fabrics, settings_.defaultFabric, saved.countSize, saved.fabricUnit);
    const palette::CodeSystemList& list = settings_.systems;
    const std::string name = system.value_or(
        list.names.empty() ? std::string() : list.names[static_cast<std::size_t>(chosenSystemIndex(list, saved.systemIndex))]);
    SystemLoad load = chooseSystem(name);
    // Without its table the system still names the caption and the limits the window shows.
    if (!load.loaded()) system_ = palette::LoadedCodeSystem{name, palette::readCodeSystemSettings(settings_.ini, name), {}};
    chartSystem_ = name;
    choices_ = savedChoices(system_.settings, saved);
    // The first chart of a run works its cube codes out afresh.
    model_.cube.rebuildCodes = true;
    return load;
}

SystemLoad ChartDocument::chooseSystem(const std::string& name) {
    palette::LoadResult loaded = palette::chooseCodeSystem(cfgFolder_, settings_, name);
    if (!loaded.message.empty()) {
        currentSystem_.clear();
        return loaded;
    }
    system_ = std::move(loaded.system);
    currentSystem_ = name;
    model_.cube.rebuildCodes = currentSystem_ != chartSystem_;
    choices_ = chart::defaultChoices(system_.settings);
    return {};
}

void ChartDocument::forgetChart() {
    model_.columns = 0;
    model_.rows = 0;
    chartPanel_.reset();
}

void ChartDocument::resetPen() {
    editing_.penIndex = -1;
    editing_.penColour = platform::kWhite;
    editing_.history.clear();
}

void ChartDocument::takePicture(platform::Bitmap picture) {
    resetPen();
    forgetChart();
    model_.source = std::move(picture);
}

bool ChartDocument::clear() {
    if (hasChart()) {
        forgetChart();
        return true;
    }
    model_.source = platform::Bitmap();
    return false;
}

chart::ChartOutcome ChartDocument::makeChart(const ChartRequest& request, const chart::ChartProgress& progress) {
    chartMade_ = true;
    choices_ = request.choices;
    resultColours_ = 0;
    model_.displayWidth = request.display.width;
    model_.displayHeight = request.display.height;
    model_.cellWidth = request.cells.width;
    model_.cellHeight = request.cells.height;
    chart::ChartOutcome outcome = chart::makeChart(model_, system_, request.choices, progress);
    chartCells_ = view::CellCounts{model_.columns, model_.rows};
    if (!outcome.message.empty()) {
        forgetChart();
        return outcome;
    }
    // The area shrinks to whole cells, as the chart was sampled.
    chartPanel_ = view::AreaSize{model_.displayWidth + view::kPanelFrame, model_.displayHeight + view::kPanelFrame};
    chartSystem_ = currentSystem_;
    resetPen();
    resultColours_ = outcome.reduction.colours;
    return outcome;
}

std::optional<int> ChartDocument::listIndex(const std::string& system) const {
    const std::vector<std::string>& names = settings_.systems.names;
    const auto listed = std::find(names.begin(), names.end(), system);
    if (listed == names.end()) return std::nullopt;
    return static_cast<int>(listed - names.begin());
}

void ChartDocument::takeChartOptions() {
    choices_.smoothing = model_.options.smoothing;
    choices_.boundary = model_.options.boundary;
    choices_.appearance = model_.options.appearance;
}

SavedOptions ChartDocument::savedOptions() const {
    SavedOptions saved = saved_;
    if (!chartMade_) return saved;
    saved.systemIndex = listIndex(chartSystem_).value_or(0);
    saved.smoothing = model_.options.smoothing ? 1 : 0;
    saved.boundary = model_.options.boundary ? 1 : 0;
    saved.appearance = model_.options.appearance ? 1 : 0;
    saved.maxColours = model_.options.maxColours;
    saved.countSize = fabric_.fabric.countSize;
    saved.fabricUnit = fabric_.fabric.unit;
    saved.columns = chartCells_.across;
    saved.rows = chartCells_.down;
    return saved;
}

std::optional<edit::PenDisplay> ChartDocument::pickPen(edit::CellPosition cell) {
    return edit::pickPen(model_, system_.table, editing_, cell);
}

std::optional<edit::CellPosition> ChartDocument::paint(edit::CellPosition cell) {
    return edit::paintCell(model_, editing_, cell);
}

std::optional<edit::CellPosition> ChartDocument::undo() { return edit::undoEdit(model_, system_.table, editing_); }

std::optional<edit::CellPosition> ChartDocument::redo() { return edit::redoEdit(model_, system_.table, editing_); }

// The chart's codes belong to the system it was made with: after another was chosen, that one comes
// back with the chart's options. True when it had to.
bool ChartDocument::restoreChartSystem() {
    if (!model_.cube.rebuildCodes) return false;
    if (listIndex(chartSystem_)) chooseSystem(chartSystem_);
    takeChartOptions();
    return true;
}

PaintingEntry ChartDocument::enterPainting() {
    if (!hasChart()) return PaintingEntry{"図案がまだ作成されていません。", false};
    const bool restored = restoreChartSystem();
    edit::beginPaintingVisit(editing_);
    return PaintingEntry{{}, restored};
}

std::optional<int> ChartDocument::leavePainting() {
    const std::optional<int> colours = edit::settlePaintingVisit(model_, system_.table, editing_);
    if (colours) resultColours_ = *colours;
    return colours;
}

bool ChartDocument::prepareExport() {
    const bool restored = restoreChartSystem();
    model_.cube.rebuildCodes = false;
    takeChartOptions();
    return restored;
}

excel::WorkbookParameters ChartDocument::workbookParameters() const {
    return excel::exportParameters(model_, fabric_.fabric, chart::cubeSizeItemIndex(choices_.cube), resultColours_,
                                   chartPanel_);
}

// Another system chosen and back empties the symbols: the colours are counted again before either,
// so that the key is written whole.
std::string ChartDocument::exportWorkbook(const std::string& path, excel::WorkbookProgress& progress) {
    if (!hasChart()) return "図案画像がありません";
    chart::countColoursInUse(model_, system_.table);
    return excel::writeChartWorkbook(path, model_, system_, workbookParameters(), progress);
}

excel::WorkbookBytes ChartDocument::workbookBytes(excel::WorkbookProgress& progress) {
    chart::countColoursInUse(model_, system_.table);
    return excel::chartWorkbookBytes(model_, system_, workbookParameters(), progress);
}

// The system the workbook names when the settings list it; otherwise the current one, or the
// settings' own where none is current yet.
std::string ChartDocument::systemForWorkbook(const std::string& named) const {
    if (listIndex(named)) return named;
    const palette::CodeSystemList& list = settings_.systems;
    if (!currentSystem_.empty() || list.names.empty()) return currentSystem_;
    return list.names[static_cast<std::size_t>(list.defaultIndex)];
}

ImportOutcome ChartDocument::importWorkbook(const std::string& path, excel::WorkbookProgress& progress) {
    excel::WorkbookRead read = excel::readChartWorkbook(path, progress);
    if (!read.message.empty()) return ImportOutcome{read.message, read.unreadable ? ImportStep::Opening : ImportStep::Reading};

    const std::string wanted = systemForWorkbook(read.model.options.codeSystem);
    if (wanted != currentSystem_ || model_.cube.rebuildCodes) {
        if (const SystemLoad load = chooseSystem(wanted); !load.loaded()) return ImportOutcome{load.located(), ImportStep::System};
    }
    const excel::SettledChart settled = excel::settleImportedChart(read.model, system_);
    if (!settled.message.empty()) return ImportOutcome{settled.message, ImportStep::Settling};

    model_ = std::move(read.model);
    model_.options.codeSystem = currentSystem_;
    model_.cube.rebuildCodes = false;
    chartSystem_ = currentSystem_;
    const excel::WorkbookParameters& parameters = read.parameters;
    choices_.cube = chart::kCubeSizeItems[static_cast<std::size_t>(parameters.cubeItem)];
    takeChartOptions();
    choices_.maxColours = model_.options.maxColours;
    resultColours_ = settled.colours;
    fabric_ = palette::chooseFabric(settings_.fabrics, fabric_.index, parameters.countSize, parameters.fabricUnit);
    chartPanel_ = view::AreaSize{parameters.panelWidth, parameters.panelHeight};
    chartCells_ = view::CellCounts{model_.columns, model_.rows};
    resetPen();
    return {};
}

}  // namespace document
