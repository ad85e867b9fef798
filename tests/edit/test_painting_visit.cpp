#include "edit/cell_edits.h"
#include "edit/painting_visit.h"
#include "edit/pen.h"

#include "edit/edit_test_model.h"

#include <gtest/gtest.h>

#include <functional>

using edit::CellPosition;

// Whether the grid was touched decides, not the edit count, which the last case brings back to 0.
TEST(PaintingVisit, RecountsWhenAnythingWasAppliedDuringTheVisit) {
    using Visit = std::function<void(chart::ChartModel&, const palette::ColourTable&, edit::EditSession&)>;
    const auto paintFirst = [](chart::ChartModel& m, const palette::ColourTable&, edit::EditSession& s) {
        edit::paintCell(m, s, CellPosition{0, 0});
    };
    const auto undo = [](chart::ChartModel& m, const palette::ColourTable& t, edit::EditSession& s) {
        edit::undoEdit(m, t, s);
    };
    struct Case {
        const char* what;
        Visit visit;
        bool recounted;
    };
    const Case cases[] = {
        {"nothing", [](auto&, auto&, auto&) {}, false},
        {"nothing to undo", [](auto& m, auto& t, auto& s) { s.history.clear(); edit::undoEdit(m, t, s); }, false},
        {"a paint", paintFirst, true},
        {"an undo", undo, true},
        {"an undo of an earlier step and a paint",
         [&](auto& m, auto& t, auto& s) {
             undo(m, t, s);
             edit::paintCell(m, s, CellPosition{1, 0});
         },
         true},
    };
    for (const Case& c : cases) {
        edit_test::PaintingSession p({"RGB"}, CellPosition{2, 0});
        paintFirst(p.model, p.table, p.session);  // a step of an earlier visit
        edit::beginPaintingVisit(p.session);
        c.visit(p.model, p.table, p.session);
        const std::optional<int> colours = edit::settlePaintingVisit(p.model, p.table, p.session);
        EXPECT_EQ(colours.has_value(), c.recounted) << c.what;
        if (colours) { EXPECT_EQ(*colours, p.model.colourList.coloursInUse) << c.what; }
    }
}
