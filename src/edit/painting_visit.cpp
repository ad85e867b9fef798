#include "edit/painting_visit.h"

#include "chart/colour_count.h"
#include "chart/cube.h"

namespace edit {

void beginPaintingVisit(EditSession& session) {
    session.editCount = 0;
    session.changedThisVisit = false;
}

std::optional<int> settlePaintingVisit(chart::ChartModel& model, palette::ColourTable& table,
                                       const EditSession& session) {
    if (!session.changedThisVisit) return std::nullopt;
    chart::recountCube(model);
    return chart::countColoursInUse(model, table);
}

}  // namespace edit
