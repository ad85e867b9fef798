#include "view/ruler_scale.h"

#include "chart/chart_limits.h"

namespace view {
namespace {

using chart::kMaxCells;

// Below three pixels a cell cannot be seen, let alone painted.
constexpr int kFinestStep = 3;

int tickLength(int count, int fiftyLength) {
    if (count % 100 == 0) return 25;
    if (count % 50 == 0) return fiftyLength;
    if (count % 10 == 0) return 12;
    if (count % 5 == 0) return 8;
    return 3;
}

}  // namespace

RulerReading readRulers(int horizontalLength, int verticalLength, CellSize current) {
    RulerReading reading{current, false, false, {}};
    const int horizontalStep = horizontalLength / kMaxCells;
    if (horizontalStep < kFinestStep) {
        reading.refusal = "Xメモリが細かすぎます。";
        return reading;
    }
    reading.cells.width = horizontalStep;
    reading.horizontalDrawn = true;
    const int verticalStep = verticalLength / kMaxCells;
    if (verticalStep < kFinestStep) {
        reading.refusal = "Yメモリが細かすぎます。";
        return reading;
    }
    reading.cells.height = verticalStep;
    reading.verticalDrawn = true;
    return reading;
}

int horizontalTickLength(int count) { return tickLength(count, 15); }

int verticalTickLength(int count) { return tickLength(count, 20); }

std::vector<RulerLabel> horizontalRulerLabels(int step, int rulerHeight) {
    const int top = rulerHeight - 25;
    return {{"0 ｶｳﾝﾄ", 0, top},
            {"50 ｶｳﾝﾄ", 50 * step - 5, top},
            {"100 ｶｳﾝﾄ", 100 * step - 9, top},
            {"150 ｶｳﾝﾄ", 150 * step - 9, top},
            {"200", 200 * step - 12, top}};
}

std::vector<RulerLabel> verticalRulerLabels(int step) {
    return {{"0", 0, 0},
            {"ｶｳﾝﾄ", 0, 8},
            {"50", 4, 50 * step - 11},
            {"ｶｳﾝﾄ", 0, 50 * step + 3},
            {"100", 0, 100 * step - 11},
            {"ｶｳﾝﾄ", 0, 100 * step + 3},
            {"150", 0, 150 * step - 11},
            {"ｶｳﾝﾄ", 0, 150 * step + 3},
            {"200", 0, 200 * step - 3}};
}

}  // namespace view
