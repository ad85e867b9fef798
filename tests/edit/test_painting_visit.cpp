#include "edit/cell_edits.h"
#include "edit/painting_visit.h"
#include "edit/pen.h"

#include "edit/edit_test_model.h"

#include <gtest/gtest.h>

#include <functional>

using edit::CellPosition;

// What the recount gives the user, one colour fewer once a colour is painted out, is seen in the
// window's own painting test (tests/app/test_window_workflow.cpp).

// Whether leaving the tab recounts depends on whether the grid was touched during the visit, not
// on the edit count, which the last case brings back to 0 with a changed grid.
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
        auto table = chart_test::cornerTable();
        chart::ChartModel model = edit_test::chartOf({"RGB"}, table);
        edit::EditSession session;
        edit::pickPen(model, table, session, CellPosition{2, 0});
        paintFirst(model, table, session);  // a step of an earlier visit

        edit::beginPaintingVisit(session);
        c.visit(model, table, session);
        const std::optional<int> colours = edit::settlePaintingVisit(model, table, session);
        EXPECT_EQ(colours.has_value(), c.recounted) << c.what;
        if (colours) {
            EXPECT_EQ(*colours, model.colourList.coloursInUse) << c.what;
        }
    }
}
