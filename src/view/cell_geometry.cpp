#include "view/cell_geometry.h"

namespace view {

CellCounts cellsInPanel(AreaSize panel, CellSize cell, int frame) {
    return CellCounts{(panel.width - frame) / cell.width, (panel.height - frame) / cell.height};
}

AreaSize panelForCells(CellCounts cells, CellSize cell, int frame) {
    return AreaSize{cells.across * cell.width + frame, cells.down * cell.height + frame};
}

AreaSize limitPanel(AreaSize panel, CellSize cell, int frame) {
    const AreaSize client = limitArea(AreaSize{panel.width - frame, panel.height - frame}, cell.width, cell.height);
    return AreaSize{client.width + frame, client.height + frame};
}

bool canRestore(AreaSize recordedPanel, AreaSize currentPanel) {
    return recordedPanel.width != 0 && recordedPanel.height != 0 && recordedPanel != currentPanel;
}

}  // namespace view
