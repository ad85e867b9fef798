#include "edit/undo_ring.h"

namespace edit {

void UndoRing::clear() {
    for (EditRecord& slot : slots_) slot.column = -1;
    position_ = 0;
}

void UndoRing::record(const EditRecord& change) {
    if (slots_[previous(position_)] == change) return;
    slots_[position_] = change;
    position_ = next(position_);
    slots_[position_].column = -1;
}

std::optional<CellValue> UndoRing::undo() {
    if (!canUndo()) return std::nullopt;
    position_ = previous(position_);
    const EditRecord& undone = slots_[position_];
    return CellValue{undone.column, undone.row, undone.before};
}

std::optional<CellValue> UndoRing::redo() {
    if (!canRedo()) return std::nullopt;
    const EditRecord& redone = slots_[position_];
    position_ = next(position_);
    return CellValue{redone.column, redone.row, redone.after};
}

}  // namespace edit
