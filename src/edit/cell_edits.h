#pragma once

#include "chart/chart_model.h"
#include "edit/edit_session.h"
#include "palette/colour_table.h"

#include <optional>

namespace edit {

// Each edit changes the grid and the chart colour of at most one cell and reports that cell, so
// the window repaints only it. Cube counts and the colour key wait until the painting tab is left.

// Paints the cell with the pen and records the step; nothing before a pen colour is picked.
std::optional<CellPosition> paintCell(chart::ChartModel& model, EditSession& session, CellPosition cell);

// Undo and redo act on the history alone, with no clicked cell, so that they work whatever cell the
// chart starts with, an empty one included. The changed cell is the recorded one and is shown in its
// code colour again; a cube cell without a code colour leaves the cell's colour as it was. Nothing to
// undo or redo gives none.
std::optional<CellPosition> undoEdit(chart::ChartModel& model, const palette::ColourTable& table,
                                     EditSession& session);
std::optional<CellPosition> redoEdit(chart::ChartModel& model, const palette::ColourTable& table,
                                     EditSession& session);

}  // namespace edit
