#include "excel/chart_workbook.h"

#include "chart/code_painting.h"
#include "excel/chart_grids.h"
#include "excel/file_beside.h"
#include "excel/xlsx_file.h"

#include <cmath>

namespace excel {
namespace {

// The printed description under the key: the canvas size and the kind of colours.
std::string description(const std::string& sizeCaption, const std::string& systemTitle) {
    std::string text = " (ｷｬﾝﾊﾞｽ)" + sizeCaption;
    if (!systemTitle.empty()) {
        const std::string_view colour = "色";
        const std::size_t at = systemTitle.find(colour);
        text += " (色種)" + (at == std::string::npos ? systemTitle : systemTitle.substr(0, at + colour.size()));
    }
    return text;
}

// The red, green and blue a cell shows, and its level numbers: 255 each for an empty cell.
struct CellValues {
    int colour[3] = {kNoValue, kNoValue, kNoValue};
    int levels[3] = {kNoValue, kNoValue, kNoValue};
};

CellValues cellValues(const chart::ChartModel& model, const palette::ColourTable& table, int x, int y) {
    CellValues values;
    const std::int32_t packed = model.cell(x, y);
    if (packed == chart::kEmptyCell) return values;
    const chart::CubeCell levels = chart::unpack(packed);
    values.levels[0] = levels.r;
    values.levels[1] = levels.g;
    values.levels[2] = levels.b;
    if (const palette::ColourEntry* entry = chart::cellEntry(model, table, x, y)) {
        values.colour[0] = entry->r;
        values.colour[1] = entry->g;
        values.colour[2] = entry->b;
    }
    return values;
}

void writeValueSheets(XlsxFile& file, const chart::ChartModel& model, const palette::ColourTable& table) {
    for (int y = 0; y < model.rows; ++y) {
        for (int x = 0; x < model.columns; ++x) {
            const CellValues values = cellValues(model, table, x, y);
            for (int channel = 0; channel < 3; ++channel) {
                file.number(valueSheet(channel), y, x, values.colour[channel]);
                file.number(valueSheet(channel), lowerBlockRow(model.rows, y), x, values.levels[channel]);
            }
        }
    }
}

int optionValue(bool on) { return on ? kOptionOn : kOptionOff; }

void writeParameters(XlsxFile& file, const chart::ChartModel& model, const WorkbookParameters& parameters) {
    const int imageWidth = model.displayWidth;
    const int imageHeight = model.displayHeight;
    const int values[kParameterCount] = {
        kChartMarker,
        parameters.panelWidth > 0 ? parameters.panelWidth : imageWidth,
        parameters.panelHeight > 0 ? parameters.panelHeight : imageHeight,
        imageWidth,
        imageHeight,
        parameters.cubeItem,
        model.cube.levels.red,
        model.cube.levels.green,
        model.cube.levels.blue,
        optionValue(model.options.smoothing),
        optionValue(model.options.boundary),
        model.options.maxColours,
        parameters.resultColours,
        model.cellWidth,
        model.cellHeight,
        model.columns,
        model.rows,
        // Halves go to the even neighbour, as the count size has always been stored.
        static_cast<int>(std::nearbyint(parameters.countSize * kCountSizeScale)),
    };
    for (int i = 0; i < kParameterRows; ++i) {
        file.number(Sheet::Key, kParameterRow + i, kParameterIndexColumn, i < kParameterCount ? i : 0);
        file.number(Sheet::Key, kParameterRow + i, kParameterValueColumn, i < kParameterCount ? values[i] : 0);
    }
}

void writeKey(XlsxFile& file, const chart::ChartModel& model, const palette::LoadedCodeSystem& system,
              const WorkbookParameters& parameters) {
    if (model.options.codeSystem.find("DMC") == std::string::npos) {
        file.text(Sheet::Key, 0, kCodeColumn, kAbbreviationHeader);
    }
    for (int i = 0; i < chart::kColourListRows; ++i) {
        const chart::ColourListRow& row = model.colourList.rows[i];
        const int sheetRow = kKeyFirstRow + i;
        const std::int32_t numbers[] = {row.count, row.r, row.g, row.b};
        for (int c = 0; c < 4; ++c) file.number(Sheet::Key, sheetRow, kCountColumn + c, numbers[c]);
        // Codes stay texts even when they are digits only, so that a code like "0310" keeps its form.
        file.text(Sheet::Key, sheetRow, kSymbolColumn, row.symbol);
        file.text(Sheet::Key, sheetRow, kSymbolColumn + 1, row.code);
        file.text(Sheet::Key, sheetRow, kSymbolColumn + 2, row.name);
    }
    writeParameters(file, model, parameters);
    file.text(Sheet::Key, kCodeSystemRow, kTextColumn, model.options.codeSystem);
    file.text(Sheet::Key, kFabricUnitRow, kTextColumn, parameters.fabricUnit);
    file.text(Sheet::Key, kDescriptionRow, kTextColumn, description(parameters.sizeCaption, system.settings.title));
}

}  // namespace

WorkbookWrite writeChartWorkbook(const std::string& path, const chart::ChartModel& model,
                                 const palette::LoadedCodeSystem& system, const WorkbookParameters& parameters) {
    const palette::ColourTable& table = system.table;
    WorkbookWrite result;
    result.message = writeThroughFileBeside(path, [&](const std::string& temporary) {
        XlsxFile file(temporary);
        writeChartGrids(file, model.columns, model.rows, [&](int x, int y) {
            const CellValues values = cellValues(model, table, x, y);
            const palette::ColourEntry* entry = chart::cellEntry(model, table, x, y);
            return GridCell{platform::Rgb{static_cast<std::uint8_t>(values.colour[0]),
                                          static_cast<std::uint8_t>(values.colour[1]),
                                          static_cast<std::uint8_t>(values.colour[2])},
                            entry ? std::string_view(entry->symbol) : std::string_view()};
        });
        writeValueSheets(file, model, table);
        writeKey(file, model, system, parameters);
        return file.close();
    });
    return result;
}

WorkbookWrite writeTemplateWorkbook(const std::string& path) {
    WorkbookWrite result;
    result.message = writeThroughFileBeside(path, [](const std::string& temporary) {
        XlsxFile file(temporary);
        writeChartGrids(file, 0, 0, [](int, int) { return GridCell{}; });
        return file.close();
    });
    return result;
}

}  // namespace excel
