#pragma once

#include "view/cell_geometry.h"

#include <string>
#include <vector>

namespace view {

// What drawing the rulers settles: the cell size, which rulers could be drawn, and the message for
// a ruler too short to mark 200 counts at three pixels or more each.
struct RulerReading {
    CellSize cells;
    bool horizontalDrawn = false;
    bool verticalDrawn = false;
    std::string refusal;  // empty when both rulers were drawn
};

// A ruler's length over 200 counts gives the size of one cell on its axis. The horizontal ruler is
// read first; when it is refused the vertical one is not read at all, and a refused axis keeps the
// cell size it had.
RulerReading readRulers(int horizontalLength, int verticalLength, CellSize current);

// Tick lengths at a count: the 50-count ticks reach further on the vertical ruler, where no label
// sits beside them.
int horizontalTickLength(int count);
int verticalTickLength(int count);

// A count label, placed by its top-left corner.
struct RulerLabel {
    std::string text;
    int x = 0;
    int y = 0;
};

std::vector<RulerLabel> horizontalRulerLabels(int step, int rulerHeight);
std::vector<RulerLabel> verticalRulerLabels(int step);

}  // namespace view
