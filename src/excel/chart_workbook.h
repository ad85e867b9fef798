#pragma once

// A chart written to a chart workbook and read back, whoever asks: the window's two buttons and the
// command line. What the user is told of a file that cannot be written or read comes back as a message.

#include "chart/chart_model.h"
#include "palette/catalogue.h"

#include <string>
#include <string_view>

namespace excel {

// What a chart workbook carries besides the chart model: the window's sizes and controls as they
// stood when the chart was written, and the fabric it is sized for.
struct WorkbookParameters {
    int panelWidth = 0;   // the chart panel; the chart picture's size when 0
    int panelHeight = 0;
    int cubeItem = 0;     // index into chart::kCubeSizeItems
    int resultColours = 0;
    double countSize = 1.0;
    std::string fabricUnit = "mm";  // "mm" or "cm"
    std::string sizeCaption;        // the size line under the chart, for the printed description
    friend bool operator==(const WorkbookParameters&, const WorkbookParameters&) = default;
};

// Told how many steps a workbook operation takes in all, then the stage it is in and the steps it
// has done; each report is also a moment for a window to repaint (a report of 0 steps is only that).
class WorkbookProgress {
public:
    virtual ~WorkbookProgress() = default;
    // Told once, before any step, so that a bar sized by it ends full with the last step.
    virtual void begin(int /*total*/) {}
    virtual void stage(std::string_view) {}
    virtual void step(int) {}
};

// Before a workbook is written or read, the caller checks the files and folders, and reports
// kFileCheckStep steps for each check passed, kImportFileChecks of them before an import, which its
// total counts.
inline constexpr int kFileCheckStep = 2;
inline constexpr int kImportFileChecks = 3;

// Start an export, or an import, by telling progress its total. An export's total is estimated from
// the cells of the picture area the chart is shown in; an import's counts the caller's file checks
// and the steps readChartWorkbook reports.
void beginChartExport(int areaColumns, int areaRows, WorkbookProgress& progress);
void beginChartImport(WorkbookProgress& progress);

struct WorkbookBytes {
    std::string bytes;
    std::string message;  // empty on success; otherwise why the workbook could not be made
};

// The chart workbook: colour chart, symbol chart, colour key with the parameters, and the colour
// values and levels of every cell. The system is the one the chart was counted with; it gives each
// cell's colour and symbol. As bytes, for a caller that writes them together with other files.
WorkbookBytes chartWorkbookBytes(const chart::ChartModel& model, const palette::LoadedCodeSystem& system,
                                 const WorkbookParameters& parameters, WorkbookProgress& progress);

// Writes the chart workbook whole or not at all. Returns an empty text, or the user's message.
std::string writeChartWorkbook(const std::string& path, const chart::ChartModel& model,
                               const palette::LoadedCodeSystem& system, const WorkbookParameters& parameters,
                               WorkbookProgress& progress);

struct WorkbookRead {
    std::string message;      // empty on success; otherwise the text to show the user
    bool unreadable = false;  // the file could not be opened as a workbook at all; message says why
    // Geometry, options (with the code system the workbook names, possibly empty), cube levels and
    // cells. The cube codes, the colours and the key are not in it: the caller builds the cube with
    // the code system's table, paints the cells and counts the colours.
    chart::ChartModel model;
    WorkbookParameters parameters;
};

// What the user is told of a file that is no chart workbook.
std::string notAChartWorkbook(const std::string& path);

// Reads a chart workbook as any spreadsheet program may have saved it; the file is never changed.
// A workbook without the chart marker, or with parameters no chart can have, is refused with the
// message the user knows; a file that is no workbook, or lacks a chart's sheets, is unreadable.
WorkbookRead readChartWorkbook(const std::string& path, WorkbookProgress& progress);

}  // namespace excel
