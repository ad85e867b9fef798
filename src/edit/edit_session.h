#pragma once

#include "edit/undo_ring.h"
#include "platform/bitmap.h"

#include <cstdint>

namespace edit {

// A cell of the chart grid.
struct CellPosition {
    int column = 0;
    int row = 0;
    friend bool operator==(const CellPosition&, const CellPosition&) = default;
};

// The painting state the window keeps beside the chart model. The pen and the history last until
// the window forgets them (new picture, new chart, import); the edit count and the visit flag
// belong to one visit of the painting tab.
struct EditSession {
    std::int32_t penIndex = -1;  // packed cube index of the picked colour; -1 before any pick
    platform::Rgb penColour = platform::kWhite;  // the colour paint fills with, as the swatch shows it
    UndoRing history;
    int editCount = 0;  // +1 per paint and redo, -1 per undo, within this visit
    // The edit count alone cannot tell whether the grid changed: undoing a step of an earlier visit
    // and painting once nets 0. Anything applied sets this, and leaving the tab recounts on it.
    bool changedThisVisit = false;
};

}  // namespace edit
