#pragma once

#include "view/picture_area.h"

namespace view {

// Screen pixels per chart cell, fixed by the rulers.
struct CellSize {
    int width = 1;
    int height = 1;
    friend bool operator==(const CellSize&, const CellSize&) = default;
};

// The chart panel's frame, both sides together: a raised bevel around a single border, four pixels
// a side. Sizes written to a chart workbook include it, whoever writes them.
inline constexpr int kPanelFrame = 8;

// Whole cells across and down a picture area.
struct CellCounts {
    int across = 0;
    int down = 0;
    friend bool operator==(const CellCounts&, const CellCounts&) = default;
};

// The cells a panel of that outer size holds once its frame is taken off; a part cell is not a cell.
CellCounts cellsInPanel(AreaSize panel, CellSize cell, int frame);

// The outer size of a panel that holds exactly that many cells.
AreaSize panelForCells(CellCounts cells, CellSize cell, int frame);

// Keeps a panel between 8 and 200 cells each way, its frame aside.
AreaSize limitPanel(AreaSize panel, CellSize cell, int frame);

// A chart's size can be brought back when one was recorded and the panel has left it.
bool canRestore(AreaSize recordedPanel, AreaSize currentPanel);

}  // namespace view
