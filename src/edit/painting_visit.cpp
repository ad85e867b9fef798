#include "edit/painting_visit.h"

#include "chart/colour_count.h"

namespace edit {

void beginPaintingVisit(EditSession& session) {
    session.editCount = 0;
    session.changedThisVisit = false;
}

void recountCube(chart::ChartModel& model) {
    chart::CubeArray<std::int32_t>& counts = model.cube.counts;
    for (std::size_t i = 0; i < counts.size(); ++i) counts.atOffset(i) = 0;
    for (int column = 0; column < model.columns; ++column) {
        for (int row = 0; row < model.rows; ++row) {
            const std::int32_t packed = model.cell(column, row);
            if (packed >= 0) ++counts.at(chart::unpack(packed));
        }
    }
}

std::optional<int> settlePaintingVisit(chart::ChartModel& model, palette::ColourTable& table,
                                       const EditSession& session) {
    if (!session.changedThisVisit) return std::nullopt;
    recountCube(model);
    return chart::countColoursInUse(model, table);
}

}  // namespace edit
