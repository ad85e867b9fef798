#include "edit/cell_edits.h"

#include "chart/code_painting.h"

namespace edit {
namespace {

CellPosition restore(chart::ChartModel& model, const palette::ColourTable& table, EditSession& session,
                     const CellValue& value) {
    model.cell(value.column, value.row) = value.packed;
    if (const palette::ColourEntry* entry = chart::cellEntry(model, table, value.column, value.row)) {
        model.cellColour(value.column, value.row) = chart::codeColour(*entry);
    }
    session.changedThisVisit = true;
    return CellPosition{value.column, value.row};
}

}  // namespace

std::optional<CellPosition> paintCell(chart::ChartModel& model, EditSession& session, CellPosition cell) {
    if (session.penIndex < 0) return std::nullopt;
    std::int32_t& packed = model.cell(cell.column, cell.row);
    session.history.record(EditRecord{cell.column, cell.row, packed, session.penIndex});
    packed = session.penIndex;
    model.cellColour(cell.column, cell.row) = session.penColour;
    ++session.editCount;
    session.changedThisVisit = true;
    return cell;
}

std::optional<CellPosition> undoEdit(chart::ChartModel& model, const palette::ColourTable& table,
                                     EditSession& session) {
    const std::optional<CellValue> before = session.history.undo();
    if (!before) return std::nullopt;
    --session.editCount;
    return restore(model, table, session, *before);
}

std::optional<CellPosition> redoEdit(chart::ChartModel& model, const palette::ColourTable& table,
                                     EditSession& session) {
    const std::optional<CellValue> after = session.history.redo();
    if (!after) return std::nullopt;
    ++session.editCount;
    return restore(model, table, session, *after);
}

}  // namespace edit
