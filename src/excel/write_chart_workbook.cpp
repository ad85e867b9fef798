#include "excel/chart_workbook.h"

#include "chart/code_painting.h"
#include "excel/workbook_engine.h"
#include "excel/workbook_layout.h"

#include <cmath>
#include <filesystem>

namespace excel {
namespace {

// The blocks are prepared at the largest chart's size; a range write uses what it needs.
constexpr int kBlockSize = chart::kMaxCells;
constexpr int kParameterBlockRows = 22;
constexpr int kParameterBlockColumns = 3;
// The steps of the stages, besides one for each chart column and each line and number drawn.
constexpr int kOpeningSteps = 2;
constexpr int kHairlineSteps = 2;
constexpr int kBlockWriteSteps = 10;  // before the writes, and after the red and the green ones
constexpr int kColouringSteps = 2;

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

std::string address(int column, int row) { return ColumnLetters(column - 1) + std::to_string(row); }

// Every cell's colour, levels and symbol, in blocks ready for one range write each.
struct ChartBlocks {
    SafeArray<int> colour[3]{{kBlockSize, kBlockSize}, {kBlockSize, kBlockSize}, {kBlockSize, kBlockSize}};
    SafeArray<int> levels[3]{{kBlockSize, kBlockSize}, {kBlockSize, kBlockSize}, {kBlockSize, kBlockSize}};
    SafeArray<std::string> symbols{kBlockSize, kBlockSize};
};

// Chart cell (x, y), from 1: 255 everywhere when it is empty; levels but white and no symbol when
// its cube cell has no code colour.
void takeCell(ChartBlocks& blocks, const chart::ChartModel& model, const palette::ColourTable& table, int x, int y) {
    for (int channel = 0; channel < 3; ++channel) {
        blocks.colour[channel](y - 1, x - 1) = kNoValue;
        blocks.levels[channel](y - 1, x - 1) = kNoValue;
    }
    const std::int32_t packed = model.cell(x - 1, y - 1);
    if (packed == chart::kEmptyCell) return;
    const chart::CubeCell levels = chart::unpack(packed);
    blocks.levels[0](y - 1, x - 1) = levels.r;
    blocks.levels[1](y - 1, x - 1) = levels.g;
    blocks.levels[2](y - 1, x - 1) = levels.b;
    if (const palette::ColourEntry* entry = chart::cellEntry(model, table, x - 1, y - 1)) {
        blocks.colour[0](y - 1, x - 1) = entry->r;
        blocks.colour[1](y - 1, x - 1) = entry->g;
        blocks.colour[2](y - 1, x - 1) = entry->b;
        blocks.symbols(y - 1, x - 1) = entry->symbol;
    }
}

int optionValue(bool on) { return on ? kOptionOn : kOptionOff; }

SafeArray<int> parameterBlock(const chart::ChartModel& model, const WorkbookParameters& parameters) {
    const int values[kParameterCount] = {
        kChartMarker,
        parameters.panelWidth > 0 ? parameters.panelWidth : model.displayWidth,
        parameters.panelHeight > 0 ? parameters.panelHeight : model.displayHeight,
        model.displayWidth,
        model.displayHeight,
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
        // Halves go to the even neighbour, as every chart workbook stores the count size.
        static_cast<int>(std::nearbyint(parameters.countSize * kCountSizeScale)),
    };
    SafeArray<int> block(kParameterBlockRows, kParameterBlockColumns);
    for (int i = 0; i < kParameterCount; ++i) {
        block(i, 0) = i;
        block(i, 1) = values[i];
    }
    return block;
}

// The thin lines every five cells and the numbers every ten, on a chart sheet of w x h cells.
void drawLinesAndNumbers(const Worksheet (&sheets)[2], int w, int h, WorkbookProgress& progress) {
    for (int k = 0; k <= w; ++k) {
        if (k % kLineStep == 0) {
            progress.step(1);
            for (const Worksheet& sheet : sheets) {
                sheet.Range(address(k + 1, 1), address(k + 1, h + 2)).Borders(kRightEdge).Weight(kThin);
            }
        }
        if (k % kNumberStep == 0) {
            progress.step(1);
            // The apostrophe keeps the column numbers texts, as a spreadsheet user types them.
            for (const Worksheet& sheet : sheets) sheet.Cells(1, k + 2) = "'" + std::to_string(k + 1);
        }
    }
    for (int k = 0; k <= h; ++k) {
        if (k % kLineStep == 0) {
            progress.step(1);
            for (const Worksheet& sheet : sheets) {
                sheet.Range(address(1, k + 1), address(w + 2, k + 1)).Borders(kBottomEdge).Weight(kThin);
            }
        }
        if (k % kNumberStep == 0) {
            progress.step(1);
            for (const Worksheet& sheet : sheets) sheet.Cells(k + 2, 1) = k + 1;
        }
    }
}

void writeKey(const Worksheet& key, const chart::ChartModel& model, const palette::LoadedCodeSystem& system,
              const WorkbookParameters& parameters) {
    SafeArray<int> numbers(chart::kColourListRows, 4);
    SafeArray<std::string> texts(chart::kColourListRows, 3);
    for (int i = 0; i < chart::kColourListRows; ++i) {
        const chart::ColourListRow& row = model.colourList.rows[i];
        numbers(i, 0) = row.count;
        numbers(i, 1) = row.r;
        numbers(i, 2) = row.g;
        numbers(i, 3) = row.b;
        texts(i, 0) = row.symbol;
        texts(i, 1) = row.code;
        texts(i, 2) = row.name;
    }
    const int lastKeyRow = kKeyFirstRow + chart::kColourListRows - 1;
    key.Range(key.Cells(kKeyFirstRow, kCountColumn), key.Cells(lastKeyRow, kCountColumn + 3)).Value(numbers);
    key.Range(key.Cells(kKeyFirstRow, kSymbolColumn), key.Cells(lastKeyRow, kSymbolColumn + 2)).Value(texts);
    key.Range(key.Cells(kParameterRow, kParameterIndexColumn),
              key.Cells(kParameterRow + kParameterRows - 1, kParameterValueColumn))
        .Value(parameterBlock(model, parameters));
    key.Cells(kCodeSystemRow, kTextColumn) = model.options.codeSystem;
    key.Cells(kFabricUnitRow, kTextColumn) = parameters.fabricUnit;
    key.Cells(kDescriptionRow, kTextColumn) = description(parameters.sizeCaption, system.settings.title);
}

}  // namespace

void beginChartExport(int areaColumns, int areaRows, WorkbookProgress& progress) {
    // An estimate from the picture area the chart is shown in, as the bar has always been sized: it
    // may fill before the last step, and the dialog's finish fills it in any case.
    progress.begin(areaColumns + 56 + areaColumns / 5 + areaRows / 5);
}

std::string missingTemplate(const std::string& templatePath) {
    std::error_code error;
    return std::filesystem::is_regular_file(templatePath, error) ? std::string() : "処理用Excelファイル１がありません";
}

std::string writeChartWorkbook(const std::string& templatePath, const std::string& path, const chart::ChartModel& model,
                               const palette::LoadedCodeSystem& system, const WorkbookParameters& parameters,
                               WorkbookProgress& progress) {
    if (std::string missing = missingTemplate(templatePath); !missing.empty()) return missing;

    progress.stage("Excelオブジェクト作成中");
    Application excel;
    Workbook book = excel.WorkBooks().open(templatePath);
    const Worksheet charts[2] = {book.WorkSheets(sheetNumber(Sheet::ColourChart)),
                                 book.WorkSheets(sheetNumber(Sheet::SymbolChart))};
    progress.step(kOpeningSteps);

    progress.stage("データ数値化中");
    ChartBlocks blocks;
    for (const Worksheet& sheet : charts) sheet.Columns(1).ColumnWidth(kNumberColumnWidth);
    int w = 0;
    int h = 0;
    for (int x = 1; x <= model.columns && x <= kBlockSize; ++x) {
        progress.step(1);
        for (const Worksheet& sheet : charts) sheet.Columns(x + kChartOrigin).ColumnWidth(kCellColumnWidth);
        for (int y = 1; y <= model.rows && y <= kBlockSize; ++y) {
            takeCell(blocks, model, system.table, x, y);
            if (x == 1) {
                for (const Worksheet& sheet : charts) sheet.Rows(y + kChartOrigin).RowHeight(kCellRowHeight);
            }
            h = y;
        }
        w = x;
        progress.step(0);
    }
    for (int column = w + 2; column == w + 2 || column <= kLastNarrowColumn; ++column) {
        for (const Worksheet& sheet : charts) sheet.Columns(column).ColumnWidth(kCellColumnWidth);
    }

    progress.stage("Excel罫線処理中");
    charts[1].Range("b2", address(w + 1, h + 1)).Borders().Weight(kHairline);
    progress.step(kHairlineSteps);
    drawLinesAndNumbers(charts, w, h, progress);

    progress.stage("Excelにデータ書込み中");
    progress.step(kBlockWriteSteps);
    const Worksheet key = book.WorkSheets(sheetNumber(Sheet::Key));
    if (model.options.codeSystem.find("DMC") == std::string::npos) key.Cells(1, kCodeColumn) = std::string(kAbbreviationHeader);
    charts[1].Range(charts[1].Cells(2, 2), charts[1].Cells(h + 1, w + 1)).Value(blocks.symbols);
    for (int channel = 0; channel < 3; ++channel) {
        const Worksheet values = book.WorkSheets(sheetNumber(valueSheet(channel)));
        values.Range(values.Cells(1, 1), values.Cells(h, w)).Value(blocks.colour[channel]);
        values.Range(values.Cells(h + 2, 1), values.Cells(2 * h + 1, w)).Value(blocks.levels[channel]);
        if (channel < 2) progress.step(kBlockWriteSteps);
    }
    writeKey(key, model, system, parameters);

    progress.stage("Excel色塗り中");
    progress.step(kColouringSteps);
    excel.run("draw01");
    book.saveas(path);
    return {};
}

}  // namespace excel
