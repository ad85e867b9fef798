#include "excel/chart_workbook.h"

#include "chart/code_painting.h"
#include "excel/workbook_layout.h"
#include "excel/workbook_writing.h"
#include "platform/atomic_file.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

namespace excel {
namespace {

// The steps of the stages, besides one for each chart column and each line and number drawn.
constexpr int kOpeningSteps = 2;
constexpr int kHairlineSteps = 2;
constexpr int kBlockWriteSteps = 10;  // before the writes, and after the red and the green ones
constexpr int kColouringSteps = 2;

// The description beside the parameters: the canvas size and the kind of colours.
std::string description(const std::string& sizeCaption, const std::string& systemTitle) {
    std::string text = " (ｷｬﾝﾊﾞｽ)" + sizeCaption;
    if (!systemTitle.empty()) {
        const std::string_view colour = "色";
        const std::size_t at = systemTitle.find(colour);
        text += " (色種)" + (at == std::string::npos ? systemTitle : systemTitle.substr(0, at + colour.size()));
    }
    return text;
}

// The chart's cells as the sheets show them, up to the largest chart: each cell's code colour, if
// it has one, taken column by column.
class ChartCells {
public:
    explicit ChartCells(const chart::ChartModel& model)
        : model_(model),
          columns_(std::min(model.columns, chart::kMaxCells)),
          rows_(std::min(model.rows, chart::kMaxCells)),
          entries_(static_cast<std::size_t>(columns_) * rows_) {}

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    void takeColumn(int x, const palette::ColourTable& table) {
        for (int y = 0; y < rows_; ++y) entries_[index(x, y)] = chart::cellEntry(model_, table, x, y);
    }
    const palette::ColourEntry* entry(int x, int y) const { return entries_[index(x, y)]; }
    // Red, green or blue of the cell's colour; 255 for an empty cell and one without a code colour.
    int colour(int x, int y, int channel) const {
        const palette::ColourEntry* e = entry(x, y);
        if (!e) return kNoValue;
        return channel == 0 ? e->r : channel == 1 ? e->g : e->b;
    }
    // The cell's level of red, green or blue; 255 for an empty cell.
    int level(int x, int y, int channel) const {
        const std::int32_t packed = model_.cell(x, y);
        if (packed == chart::kEmptyCell) return kNoValue;
        const chart::CubeCell levels = chart::unpack(packed);
        return channel == 0 ? levels.r : channel == 1 ? levels.g : levels.b;
    }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(x) * rows_ + y; }
    const chart::ChartModel& model_;
    int columns_;
    int rows_;
    std::vector<const palette::ColourEntry*> entries_;
};

// A chart sheet shows chart cell (x, y), from 0, at sheet row y + 2 and column x + 2. The numbers
// run along row 1 and column a, every tenth; a thin line follows every fifth row and column, the
// lines reaching one row and one column past the chart. A row of the sheet reaches as far as its
// lines and values, and every cell in it has the chart sheets' look.
void writeChartRow(WorkbookWriter& book, Sheet sheet, const ChartCells& cells, int row) {
    const int w = cells.columns();
    const int h = cells.rows();
    const bool symbols = sheet == Sheet::SymbolChart;
    const bool ruled = (row - 1) % kLineStep == 0 && row - 1 <= h;
    const int last = row == h + 2 ? w / kLineStep * kLineStep + 1 : ruled ? w + 2 : w + 1;
    for (int column = 1; column <= last; ++column) {
        const bool inChart = row >= 2 && row <= h + 1 && column >= 2 && column <= w + 1;
        CellLook look;
        look.font = row == 1 || column == 1 ? CellLook::Font::Number : CellLook::Font::Symbol;
        // The symbols sit in hairline boxes, whose left and top edges are their neighbours' lines.
        if ((column - 1) % kLineStep == 0 && column - 1 <= w) {
            look.right = LineWeight::Thin;
        } else if (symbols && row >= 2 && row <= h + 1 && column <= w + 1) {
            look.right = LineWeight::Hairline;
        }
        if (ruled) {
            look.bottom = LineWeight::Thin;
        } else if (symbols && row <= h + 1 && column >= 2 && column <= w + 1) {
            look.bottom = LineWeight::Hairline;
        }
        const palette::ColourEntry* entry = inChart ? cells.entry(column - 2, row - 2) : nullptr;
        if (inChart && !symbols) look.fill = entry ? chart::codeColour(*entry) : platform::kWhite;

        if (row == 1 && column >= 2 && (column - 2) % kNumberStep == 0) {
            // Column numbers are texts, as a spreadsheet user types them.
            book.text(sheet, row, column, std::to_string(column - 1), look);
        } else if (column == 1 && row >= 2 && (row - 2) % kNumberStep == 0) {
            book.number(sheet, row, column, row - 1, look);
        } else if (inChart && symbols && entry) {
            book.text(sheet, row, column, entry->symbol, look);
        } else {
            book.blank(sheet, row, column, look);
        }
    }
}

// The chart prints with its numbers and nothing past them, in pages of whole tens of cells that
// each repeat the numbers and tell which page of how many they are.
void setUpChartPrinting(WorkbookWriter& book, Sheet sheet, const ChartCells& cells) {
    book.printArea(sheet, cells.rows() + 1, cells.columns() + 1);
    std::vector<int> rows;
    for (int y = kPageRows; y < cells.rows(); y += kPageRows) rows.push_back(y + 2);
    std::vector<int> columns;
    for (int x = kPageColumns; x < cells.columns(); x += kPageColumns) columns.push_back(x + 2);
    book.pageBreaks(sheet, rows, columns);
    book.footer(sheet, kPageFooter);
}

void writeChartSheet(WorkbookWriter& book, Sheet sheet, const ChartCells& cells, WorkbookProgress* progress) {
    const int w = cells.columns();
    const int h = cells.rows();
    book.columnWidth(sheet, 1, kNumberColumnWidth);
    // Narrow columns follow up to kLastNarrowColumn even for a narrow chart.
    for (int column = 2; column <= std::max(w + 2, kLastNarrowColumn); ++column) book.columnWidth(sheet, column, kCellColumnWidth);
    for (int row = 2; row <= h + 1; ++row) book.rowHeight(sheet, row, kCellRowHeight);
    // The bar counts a step for every thin line and every number: those of the columns with the
    // top row, those of the rows with their own row.
    const auto marks = [progress](int k) {
        if (!progress) return;
        if (k % kLineStep == 0) progress->step(1);
        if (k % kNumberStep == 0) progress->step(1);
    };
    for (int row = 1; row <= h + 2; ++row) {
        if (row == 1) {
            for (int k = 0; k <= w; ++k) marks(k);
        }
        if (row <= h + 1) marks(row - 1);
        writeChartRow(book, sheet, cells, row);
    }
    setUpChartPrinting(book, sheet, cells);
}

// The upper block holds each cell's colour from row 1, an empty row follows, then the lower block
// holds its levels.
void writeValueSheet(WorkbookWriter& book, const ChartCells& cells, int channel) {
    const Sheet sheet = valueSheet(channel);
    for (int y = 0; y < cells.rows(); ++y) {
        for (int x = 0; x < cells.columns(); ++x) {
            book.number(sheet, y + 1, x + 1, cells.colour(x, y, channel));
            book.number(sheet, cells.rows() + 2 + y, x + 1, cells.level(x, y, channel));
        }
    }
    // The values are for reading the chart back, not for a person: printed, they would take hundreds
    // of pages.
    book.hide(sheet);
}

int optionValue(bool on) { return on ? kOptionOn : kOptionOff; }

void writeKey(WorkbookWriter& book, const chart::ChartModel& model, const palette::LoadedCodeSystem& system,
              const WorkbookParameters& parameters) {
    const bool dmc = model.options.codeSystem.find("DMC") != std::string::npos;
    for (const KeyColumn& header : kKeyHeader) {
        book.text(Sheet::Key, 1, header.column,
                  std::string(header.column == kCodeColumn && !dmc ? kAbbreviationHeader : header.header));
    }
    for (int i = 0; i < chart::kColourListRows; ++i) {
        const chart::ColourListRow& row = model.colourList.rows[i];
        const int sheetRow = kKeyFirstRow + i;
        const int numbers[] = {row.count, row.r, row.g, row.b};
        for (int k = 0; k < 4; ++k) book.number(Sheet::Key, sheetRow, kCountColumn + k, numbers[k]);
        const std::string* texts[] = {&row.symbol, &row.code, &row.name};
        for (int k = 0; k < 3; ++k) book.text(Sheet::Key, sheetRow, kSymbolColumn + k, *texts[k]);
    }
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
    for (int i = 0; i < kParameterRows; ++i) {
        book.number(Sheet::Key, kParameterRow + i, kParameterIndexColumn, i < kParameterCount ? i : 0);
        book.number(Sheet::Key, kParameterRow + i, kParameterValueColumn, i < kParameterCount ? values[i] : 0);
    }
    book.text(Sheet::Key, kCodeSystemRow, kTextColumn, model.options.codeSystem);
    book.text(Sheet::Key, kFabricUnitRow, kTextColumn, parameters.fabricUnit);
    book.text(Sheet::Key, kDescriptionRow, kTextColumn, description(parameters.sizeCaption, system.settings.title));
    if (model.options.appearance) book.text(Sheet::Key, kAppearanceRow, kTextColumn, std::string(kAppearanceMark));
    // The key prints its header and the colours in use; the parameters are for reading back.
    const int shown = std::min(model.colourList.coloursInUse, chart::kColourListRows);
    book.printArea(Sheet::Key, kKeyFirstRow + shown - 1, kKeyHeader.back().column);
}

std::string cannotSave(const std::string& path) {
    return "Excelファイル（" + std::filesystem::path(path).filename().string() + "）を保存できません。";
}

}  // namespace

void beginChartExport(int areaColumns, int areaRows, WorkbookProgress& progress) {
    // An estimate from the picture area the chart is shown in, not an exact count: the bar may fill
    // before the last step, and the dialog's finish fills it in any case.
    progress.begin(areaColumns + 56 + areaColumns / 5 + areaRows / 5);
}

WorkbookBytes chartWorkbookBytes(const chart::ChartModel& model, const palette::LoadedCodeSystem& system,
                                 const WorkbookParameters& parameters, WorkbookProgress& progress) {
    progress.stage("Excelオブジェクト作成中");
    WorkbookWriter book;
    progress.step(kOpeningSteps);

    progress.stage("データ数値化中");
    ChartCells cells(model);
    for (int x = 0; x < cells.columns(); ++x) {
        progress.step(1);
        cells.takeColumn(x, system.table);
        progress.step(0);
    }

    progress.stage("Excel罫線処理中");
    progress.step(kHairlineSteps);
    writeChartSheet(book, Sheet::SymbolChart, cells, &progress);

    progress.stage("Excelにデータ書込み中");
    progress.step(kBlockWriteSteps);
    for (int channel = 0; channel < 3; ++channel) {
        writeValueSheet(book, cells, channel);
        if (channel < 2) progress.step(kBlockWriteSteps);
    }
    writeKey(book, model, system, parameters);

    progress.stage("Excel色塗り中");
    progress.step(kColouringSteps);
    writeChartSheet(book, Sheet::ColourChart, cells, nullptr);
    return book.finish();
}

std::string writeChartWorkbook(const std::string& path, const chart::ChartModel& model,
                               const palette::LoadedCodeSystem& system, const WorkbookParameters& parameters,
                               WorkbookProgress& progress) {
    const WorkbookBytes workbook = chartWorkbookBytes(model, system, parameters, progress);
    if (!workbook.message.empty()) return cannotSave(path) + workbook.message;
    if (const auto problem = platform::replaceFileAtomically(path, workbook.bytes)) {
        return cannotSave(path) + platform::japaneseReason(*problem);
    }
    return {};
}

}  // namespace excel
