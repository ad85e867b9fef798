#pragma once

// The one chart document of a run: the window and the command line both hold one and call its
// operations, so that a chart is made, corrected, written and read the same way whoever asks. It
// holds no widget; each operation returns what a window has to show.

#include "chart/chart_choices.h"
#include "chart/chart_model.h"
#include "document/saved_options.h"
#include "edit/edit_session.h"
#include "edit/pen.h"
#include "excel/chart_workbook.h"
#include "palette/catalogue.h"
#include "palette/fabric.h"
#include "view/cell_geometry.h"

#include <optional>
#include <string>

namespace document {

// Why a colour-code system cannot be used; empty when it can.
using SystemLoad = palette::LoadProblem;

// What a window shows after entering the painting tab.
struct PaintingEntry {
    std::string refusal;          // why painting cannot start; empty when it starts
    bool systemRestored = false;  // the chart's own system was put back, which the user is told
};

// Where an import stopped, for a caller that words each failure in its own frame.
enum class ImportStep {
    Done,
    Opening,   // the file could not be opened as a workbook at all; the message says why
    Reading,   // it is no chart workbook, or holds what no chart can be
    System,    // the colour-code system it is read in cannot be used
    Settling,  // the chart cannot be rebuilt with that system's table
};

struct ImportOutcome {
    std::string message;  // empty when the chart was read
    ImportStep failedAt = ImportStep::Done;
};

// A chart to make: the picture area it fills, its cell size and the user's choices.
struct ChartRequest {
    view::AreaSize display;
    view::CellSize cells;
    chart::ChartChoices choices;
};

class ChartDocument {
public:
    // Reads the shipped settings of the cfg folder, once for the run.
    explicit ChartDocument(std::string cfgFolder);

    const palette::ShippedSettings& settings() const { return settings_; }
    // Settings that list at least one colour-code system.
    bool settingsUsable() const { return settings_.message.empty() && !settings_.systems.names.empty(); }

    // The start of a run: the named system, else the saved one, else the settings' own, with the
    // saved choices over its defaults and the saved fabric. A system that cannot be used leaves no
    // system current. Until then the fabric is the settings' own and no system is current.
    SystemLoad start(const SavedOptions& saved, const std::optional<std::string>& system = std::nullopt);
    // Makes the system current, with its defaults as the choices. A system that cannot be used leaves
    // the table in use as it was and no system current; the choices stay.
    SystemLoad chooseSystem(const std::string& name);
    const palette::LoadedCodeSystem& system() const { return system_; }
    const std::string& currentSystem() const { return currentSystem_; }
    // The system the chart was made or read with, which painting and export go back to.
    const std::string& chartSystem() const { return chartSystem_; }
    const chart::ChartChoices& choices() const { return choices_; }

    const palette::Fabric& fabric() const { return fabric_.fabric; }
    int fabricIndex() const { return fabric_.index; }
    void setFabric(palette::FabricChoice fabric) { fabric_ = std::move(fabric); }

    const chart::ChartModel& model() const { return model_; }
    bool hasPicture() const { return !model_.source.empty(); }
    bool hasChart() const { return model_.columns > 0 && model_.rows > 0; }
    // The colours the chart uses, as last counted; 0 before a chart.
    int resultColours() const { return resultColours_; }
    // The picture area's size, frame included, that the chart was made or read at: what "back to
    // size" returns to and what a workbook records. None without a chart.
    const std::optional<view::AreaSize>& chartPanel() const { return chartPanel_; }

    // A new picture: the chart, its size, the pen and the painting history are forgotten.
    void takePicture(platform::Bitmap picture);
    // Clearing takes the chart away first and the picture only when no chart is left. True when the
    // chart was cleared.
    bool clear();

    chart::ChartOutcome makeChart(const ChartRequest& request, const chart::ChartProgress& progress = {});

    const edit::EditSession& editing() const { return editing_; }
    std::optional<edit::PenDisplay> pickPen(edit::CellPosition cell);
    // Each returns the one cell whose colour changed, for the window to repaint; none when nothing did.
    std::optional<edit::CellPosition> paint(edit::CellPosition cell);
    std::optional<edit::CellPosition> undo();
    std::optional<edit::CellPosition> redo();
    PaintingEntry enterPainting();
    // Brings the colour key up to date; the new colour count when anything was painted.
    std::optional<int> leavePainting();

    // Before an export: the chart's options are put back, and its own system when another was chosen.
    // True when the system was.
    bool prepareExport();
    // The parameters every chart workbook of this chart is written with.
    excel::WorkbookParameters workbookParameters() const;
    // Writes the chart workbook; an empty text, or the user's message.
    std::string exportWorkbook(const std::string& path, excel::WorkbookProgress& progress);
    // The chart workbook's bytes, for a caller that writes it together with other files.
    excel::WorkbookBytes workbookBytes(excel::WorkbookProgress& progress);
    // Reads a chart workbook in place of the chart. The system the workbook names becomes current
    // when the settings list it; otherwise the current system stays (the settings' own at the start
    // of a run).
    ImportOutcome importWorkbook(const std::string& path, excel::WorkbookProgress& progress);

    // What the run leaves for the next: as it started, with the chart's system, options, fabric and
    // cells as they stand once a chart was made.
    SavedOptions savedOptions() const;
    // A chart was made this run, so its choices are the ones to keep.
    bool chartMade() const { return chartMade_; }
    void setDataFolder(std::string folder) { saved_.dataFolder = std::move(folder); }
    void setPasteAtChartSize(bool on) { saved_.pasteAtChartSize = on; }

private:
    void forgetChart();
    void resetPen();
    bool restoreChartSystem();
    void takeChartOptions();
    std::optional<int> listIndex(const std::string& system) const;
    std::string systemForWorkbook(const std::string& named) const;

    std::string cfgFolder_;
    palette::ShippedSettings settings_;
    palette::LoadedCodeSystem system_;
    std::string currentSystem_;
    std::string chartSystem_;
    chart::ChartChoices choices_;
    palette::FabricChoice fabric_;
    chart::ChartModel model_;
    int resultColours_ = 0;
    std::optional<view::AreaSize> chartPanel_;
    view::CellCounts chartCells_;  // of the last chart made or read, kept when it is cleared
    edit::EditSession editing_;
    SavedOptions saved_;
    bool chartMade_ = false;
};

}  // namespace document
