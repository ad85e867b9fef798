#include "pattern/chart_pages.h"

#include "edit/pen.h"

#include <QPolygonF>

#include <vector>

namespace pattern {
namespace {

constexpr double kThinLinePt = 0.2;
constexpr double kBoldLinePt = 0.6;
constexpr double kNumberPt = 5.0;
constexpr double kCaptionPt = 9.0;
constexpr double kNumberGapMm = 0.3;   // between the grid and its numbers
constexpr double kNumberHeightMm = 2.0;
constexpr double kNumberWidthMm = 3.4;
constexpr double kArrowMm = 1.5;       // length and width of a centre arrow
const QColor kThinLine(90, 90, 90);
const QColor kOverlapTint(215, 215, 215);
const QColor kOverlapVeil(255, 255, 255, 128);

// Where the page's grid lies and how a cell maps to the device.
struct Grid {
    ChartPage page;
    double left = 0;  // mm, inside the margins
    double top = 0;
    double cell = 0;  // device units
    QPointF origin;   // device units

    double x(int column) const { return origin.x() + (column - page.columns.first) * cell; }
    double y(int row) const { return origin.y() + (row - page.rows.first) * cell; }
    // One past the last drawn column and row: where the right and bottom edges lie.
    int endColumn() const { return page.columns.first + page.columns.drawn(); }
    int endRow() const { return page.rows.first + page.rows.drawn(); }
};

Grid placeGrid(const PageCanvas& canvas, const ChartPage& page) {
    Grid grid;
    grid.page = page;
    grid.left = (canvas.widthMm() - page.columns.drawn() * kCellMm) / 2;
    grid.top = kCaptionMm + kEndBandMm;
    grid.cell = canvas.units(kCellMm);
    grid.origin = canvas.at(grid.left, grid.top);
    return grid;
}

QString caption(ChartStyle style, const ChartPage& page, int pages) {
    return QStringLiteral("%1　ページ %2 / %3 — 列 %4–%5、行 %6–%7")
        .arg(style == ChartStyle::Symbols ? QStringLiteral("記号図") : QStringLiteral("カラー図"))
        .arg(page.number)
        .arg(pages)
        .arg(page.columns.first + 1)
        .arg(page.columns.end())
        .arg(page.rows.first + 1)
        .arg(page.rows.end());
}

// Runs of like cells along each row make one rectangle each, gathered by key row.
void fillColours(QPainter& painter, const PatternContent& content, const Grid& grid) {
    std::vector<std::vector<QRectF>> runs(content.key.size());
    for (int row = grid.page.rows.first; row < grid.endRow(); ++row) {
        int start = grid.page.columns.first;
        for (int column = start; column <= grid.endColumn(); ++column) {
            const int keyRow = content.keyRow(start, row);
            if (column < grid.endColumn() && content.keyRow(column, row) == keyRow) continue;
            if (keyRow != kNoKeyRow) {
                runs[static_cast<std::size_t>(keyRow)].push_back(
                    QRectF(grid.x(start), grid.y(row), grid.x(column) - grid.x(start), grid.cell));
            }
            start = column;
        }
    }
    painter.setPen(Qt::NoPen);
    for (std::size_t keyRow = 0; keyRow < runs.size(); ++keyRow) {
        if (runs[keyRow].empty()) continue;
        const palette::ColourEntry& entry = content.key[keyRow].entry;
        painter.setBrush(QColor(entry.r, entry.g, entry.b));
        painter.drawRects(runs[keyRow].data(), static_cast<int>(runs[keyRow].size()));
    }
}

// The repeated cells of the next pages: a strip at the right over all rows, one at the bottom under
// the page's own columns.
void markOverlap(QPainter& painter, const Grid& grid, const QBrush& brush) {
    const Slice& columns = grid.page.columns;
    const Slice& rows = grid.page.rows;
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    if (columns.overlap > 0) {
        painter.drawRect(QRectF(grid.x(columns.end()), grid.y(rows.first), columns.overlap * grid.cell,
                                rows.drawn() * grid.cell));
    }
    if (rows.overlap > 0) {
        painter.drawRect(QRectF(grid.x(columns.first), grid.y(rows.end()), columns.count * grid.cell,
                                rows.overlap * grid.cell));
    }
}

bool bold(int line, int first, int last) { return line % kBlockCells == 0 || line == first || line == last; }

void drawGridLines(PageCanvas& canvas, const Grid& grid) {
    std::vector<QLineF> thin;
    std::vector<QLineF> thick;
    const int firstColumn = grid.page.columns.first;
    const int firstRow = grid.page.rows.first;
    for (int column = firstColumn; column <= grid.endColumn(); ++column) {
        const QLineF line(grid.x(column), grid.y(firstRow), grid.x(column), grid.y(grid.endRow()));
        (bold(column, firstColumn, grid.endColumn()) ? thick : thin).push_back(line);
    }
    for (int row = firstRow; row <= grid.endRow(); ++row) {
        const QLineF line(grid.x(firstColumn), grid.y(row), grid.x(grid.endColumn()), grid.y(row));
        (bold(row, firstRow, grid.endRow()) ? thick : thin).push_back(line);
    }
    QPainter& painter = canvas.painter();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kThinLine, canvas.lineWidth(kThinLinePt), Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(thin.data(), static_cast<int>(thin.size()));
    painter.setPen(QPen(Qt::black, canvas.lineWidth(kBoldLinePt), Qt::SolidLine, Qt::SquareCap));
    painter.drawLines(thick.data(), static_cast<int>(thick.size()));
}

// The number of every bold line of ten, on all four sides.
void drawNumbers(PageCanvas& canvas, const Grid& grid) {
    const double right = grid.left + grid.page.columns.drawn() * kCellMm;
    const double bottom = grid.top + grid.page.rows.drawn() * kCellMm;
    for (int column = grid.page.columns.first; column <= grid.endColumn(); ++column) {
        if (column == 0 || column % kBlockCells != 0) continue;
        const double x = grid.left + (column - grid.page.columns.first) * kCellMm - kNumberWidthMm / 2;
        const QString number = QString::number(column);
        canvas.text(canvas.box(x, grid.top - kNumberGapMm - kNumberHeightMm, kNumberWidthMm, kNumberHeightMm),
                    Qt::AlignHCenter | Qt::AlignBottom, number, kNumberPt);
        canvas.text(canvas.box(x, bottom + kNumberGapMm, kNumberWidthMm, kNumberHeightMm),
                    Qt::AlignHCenter | Qt::AlignTop, number, kNumberPt);
    }
    for (int row = grid.page.rows.first; row <= grid.endRow(); ++row) {
        if (row == 0 || row % kBlockCells != 0) continue;
        const double y = grid.top + (row - grid.page.rows.first) * kCellMm - kNumberHeightMm / 2;
        const QString number = QString::number(row);
        canvas.text(canvas.box(grid.left - kNumberGapMm - kNumberWidthMm, y, kNumberWidthMm, kNumberHeightMm),
                    Qt::AlignRight | Qt::AlignVCenter, number, kNumberPt);
        canvas.text(canvas.box(right + kNumberGapMm, y, kNumberWidthMm, kNumberHeightMm),
                    Qt::AlignLeft | Qt::AlignVCenter, number, kNumberPt);
    }
}

// A triangle whose tip touches `tip` and which points along `direction` (a unit step in mm).
QPolygonF arrow(const PageCanvas& canvas, QPointF tip, QPointF direction) {
    const QPointF back = tip - direction * kArrowMm;
    const QPointF side(direction.y() * kArrowMm / 2, direction.x() * kArrowMm / 2);
    return QPolygonF({canvas.at(tip.x(), tip.y()), canvas.at((back + side).x(), (back + side).y()),
                      canvas.at((back - side).x(), (back - side).y())});
}

// The chart's middle column and row, marked beyond the numbers on each edge they cross.
void drawCentreArrows(PageCanvas& canvas, const PatternContent& content, const Grid& grid) {
    const double right = grid.left + grid.page.columns.drawn() * kCellMm;
    const double bottom = grid.top + grid.page.rows.drawn() * kCellMm;
    const double reach = kNumberGapMm + kNumberHeightMm + 0.1;
    const double sideReach = kNumberGapMm + kNumberWidthMm + 0.1;
    QPainter& painter = canvas.painter();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const double middleColumn = content.columns / 2.0;
    if (middleColumn >= grid.page.columns.first && middleColumn <= grid.endColumn()) {
        const double x = grid.left + (middleColumn - grid.page.columns.first) * kCellMm;
        painter.drawPolygon(arrow(canvas, QPointF(x, grid.top - reach), QPointF(0, 1)));
        painter.drawPolygon(arrow(canvas, QPointF(x, bottom + reach), QPointF(0, -1)));
    }
    const double middleRow = content.rows / 2.0;
    if (middleRow >= grid.page.rows.first && middleRow <= grid.endRow()) {
        const double y = grid.top + (middleRow - grid.page.rows.first) * kCellMm;
        painter.drawPolygon(arrow(canvas, QPointF(grid.left - sideReach, y), QPointF(1, 0)));
        painter.drawPolygon(arrow(canvas, QPointF(right + sideReach, y), QPointF(-1, 0)));
    }
}

void drawSymbols(QPainter& painter, const PatternContent& content, const CellSymbols& symbols, const Grid& grid,
                 ChartStyle style) {
    CellSymbols::Run dark(symbols);
    CellSymbols::Run light(symbols);
    for (int row = grid.page.rows.first; row < grid.endRow(); ++row) {
        for (int column = grid.page.columns.first; column < grid.endColumn(); ++column) {
            const int keyRow = content.keyRow(column, row);
            if (keyRow == kNoKeyRow) continue;
            const bool onLight = style == ChartStyle::Symbols ||
                                 edit::penTextColour(content.key[static_cast<std::size_t>(keyRow)].entry) ==
                                     platform::Rgb{0, 0, 0};
            (onLight ? dark : light).add(keyRow, QPointF(grid.x(column), grid.y(row)));
        }
    }
    dark.paint(painter, Qt::black);
    light.paint(painter, Qt::white);
}

}  // namespace

void paintChartPage(PageCanvas& canvas, const PatternContent& content, const CellSymbols& symbols,
                    const ChartSplit& split, int pageIndex, ChartStyle style) {
    const Grid grid = placeGrid(canvas, split.page(pageIndex));
    QPainter& painter = canvas.painter();
    canvas.text(canvas.box(0, 0, canvas.widthMm(), kCaptionMm), Qt::AlignLeft | Qt::AlignTop,
                caption(style, grid.page, split.pageCount()), kCaptionPt);
    if (style == ChartStyle::Colours) {
        fillColours(painter, content, grid);
        markOverlap(painter, grid, kOverlapVeil);
    } else {
        markOverlap(painter, grid, kOverlapTint);
    }
    drawGridLines(canvas, grid);
    drawSymbols(painter, content, symbols, grid, style);
    drawNumbers(canvas, grid);
    drawCentreArrows(canvas, content, grid);
}

}  // namespace pattern
