#include "pattern/pattern_pages.h"

#include "pattern/cell_symbols.h"
#include "pattern/chart_pages.h"
#include "pattern/cover_page.h"
#include "pattern/key_pages.h"
#include "pattern/page_map.h"

namespace pattern {
namespace {

constexpr double kSymbolShare = 0.8;  // of the cell the symbol's size takes

}  // namespace

void paintPattern(PageCanvas& canvas, const PatternContent& content, const PatternOptions& options) {
    const ChartSplit split = splitChart(content.columns, content.rows, options.paper);
    canvas.startPage(false);
    paintCover(canvas, content, options.date);
    paintKeyPages(canvas, content, options.strands, split.pageCount() > 1);
    if (split.pageCount() > 1) {
        canvas.startPage(false);
        paintPageMap(canvas, split, content.columns, content.rows);
    }
    const CellSymbols symbols(canvas.fontOfSize(kCellMm * kSymbolShare), content.key, canvas.units(kCellMm));
    for (const ChartStyle style : {ChartStyle::Symbols, ChartStyle::Colours}) {
        for (int page = 0; page < split.pageCount(); ++page) {
            canvas.startPage(split.landscape);
            paintChartPage(canvas, content, symbols, split, page, style);
        }
    }
}

}  // namespace pattern
