#pragma once

#include "chart/chart_model.h"
#include "edit/edit_session.h"
#include "palette/colour_table.h"

#include <optional>

namespace edit {

// Entering the painting tab starts a visit: no edits counted, nothing applied yet.
void beginPaintingVisit(EditSession& session);

// On leaving the painting tab: when anything was applied during the visit, recounts the cube and
// the colours in use (rebuilding the colour key and the symbols) and returns that number. The edit
// count is not the measure: an undo of an earlier visit's step and one paint bring it back to 0 with
// a changed grid, and the key must follow the grid.
std::optional<int> settlePaintingVisit(chart::ChartModel& model, palette::ColourTable& table,
                                       const EditSession& session);

}  // namespace edit
