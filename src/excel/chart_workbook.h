#pragma once

#include "chart/chart_model.h"
#include "palette/catalogue.h"

#include <string>

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

struct WorkbookWrite {
    std::string message;  // empty on success
};

// Writes the chart as a chart workbook: colour chart, symbol chart, colour key with the parameters,
// and the colour values and levels of every cell. The table gives each cell's colour and symbol, so
// it is the one the chart was counted with. The file appears whole or not at all.
WorkbookWrite writeChartWorkbook(const std::string& path, const chart::ChartModel& model,
                                 const palette::LoadedCodeSystem& system, const WorkbookParameters& parameters);

// The empty chart workbook the spreadsheet user starts from: the six sheets with their set-up.
WorkbookWrite writeTemplateWorkbook(const std::string& path);

struct WorkbookRead {
    std::string message;  // empty on success; otherwise the text to show the user
    // Geometry, options (with the code system the workbook names, possibly empty), cube levels and
    // cells. The cube codes, the colours and the key are not in it: the caller builds the cube with
    // the code system's table, paints the cells and counts the colours.
    chart::ChartModel model;
    WorkbookParameters parameters;
};

// Reads a chart workbook as any spreadsheet program may have saved it. A file that is no workbook,
// or whose parameter block lacks the chart marker, is refused with the message the user knows.
WorkbookRead readChartWorkbook(const std::string& path);

}  // namespace excel
