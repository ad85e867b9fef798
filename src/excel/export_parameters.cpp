#include "excel/export_parameters.h"

#include "view/cell_geometry.h"
#include "view/size_text.h"

namespace excel {

WorkbookParameters exportParameters(const chart::ChartModel& model, const palette::Fabric& fabric, int cubeItem,
                                    int resultColours, std::optional<view::AreaSize> chartPanel) {
    const view::CellSize cell{model.cellWidth, model.cellHeight};
    const view::AreaSize panel = chartPanel.value_or(
        view::AreaSize{model.displayWidth + view::kPanelFrame, model.displayHeight + view::kPanelFrame});
    WorkbookParameters parameters;
    parameters.panelWidth = panel.width;
    parameters.panelHeight = panel.height;
    parameters.cubeItem = cubeItem;
    parameters.resultColours = resultColours;
    parameters.countSize = fabric.countSize;
    parameters.fabricUnit = fabric.unit;
    parameters.sizeCaption = view::sizeText(fabric, view::cellsInPanel(panel, cell, view::kPanelFrame));
    return parameters;
}

}  // namespace excel
