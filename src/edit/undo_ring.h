#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace edit {

// One change of one cell: its packed index before and after.
struct EditRecord {
    std::int32_t column = -1;  // -1 marks a slot that holds no record
    std::int32_t row = 0;
    std::int32_t before = 0;
    std::int32_t after = 0;
    friend bool operator==(const EditRecord&, const EditRecord&) = default;
};

// What undo or redo puts back into a cell: the value before the change, or after it.
struct CellValue {
    std::int32_t column = 0;
    std::int32_t row = 0;
    std::int32_t packed = 0;
    friend bool operator==(const CellValue&, const CellValue&) = default;
};

// The painting history: a ring whose slot at the position is where the next record goes. One slot
// always carries the end mark, so 100 steps can be undone and the oldest falls out beyond that.
class UndoRing {
public:
    static constexpr int kSlots = 101;

    UndoRing() { clear(); }

    void clear();
    // A record equal to the last one is left out, so clicking a cell twice with the pen it already
    // holds gives one step. Any other record drops every redo step.
    void record(const EditRecord& change);
    std::optional<CellValue> undo();
    std::optional<CellValue> redo();
    bool canUndo() const { return slots_[previous(position_)].column >= 0; }
    bool canRedo() const { return slots_[position_].column >= 0; }

private:
    static int previous(int slot) { return slot == 0 ? kSlots - 1 : slot - 1; }
    static int next(int slot) { return slot == kSlots - 1 ? 0 : slot + 1; }

    std::array<EditRecord, kSlots> slots_;
    int position_ = 0;
};

}  // namespace edit
