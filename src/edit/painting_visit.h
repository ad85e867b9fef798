#pragma once

#include "chart/chart_model.h"
#include "edit/edit_session.h"
#include "palette/colour_table.h"

#include <optional>

namespace edit {

// Entering the painting tab starts a visit: no edits counted, nothing applied yet.
void beginPaintingVisit(EditSession& session);

// On leaving the painting tab: when anything was applied during the visit, recounts the cube and
// the colours in use (rebuilding the colour key and the symbols) and returns that number. The old
// rule recounted only for a non-zero edit count, which left the key stale after an undo of an
// earlier visit's step and one paint; any applied edit now recounts.
std::optional<int> settlePaintingVisit(chart::ChartModel& model, palette::ColourTable& table,
                                       const EditSession& session);

}  // namespace edit
