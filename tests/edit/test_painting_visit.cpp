#include "edit/cell_edits.h"
#include "edit/painting_visit.h"
#include "edit/pen.h"

#include "chart/pipeline.h"
#include "edit/edit_test_model.h"

#include <gtest/gtest.h>

#include <functional>

using chart::Rgb;
using edit::CellPosition;
using edit_test::packedOf;

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

// A chart of four flat quarters; every red cell painted green leaves three colours.
TEST(PaintingVisit, PaintingOutAColourLowersTheColoursInUseByOne) {
    auto table = chart_test::cornerTable();
    chart::ChartModel model = chart_test::modelFor(platform::Bitmap(16, 16, Rgb{250, 5, 5}), 2, 2);
    for (int x = 0; x < 16; ++x) {
        for (int y = 0; y < 16; ++y) {
            if (x >= 8) model.source.set(x, y, y < 8 ? Rgb{5, 250, 5} : Rgb{5, 5, 250});
            else if (y >= 8) model.source.set(x, y, Rgb{40, 40, 40});
        }
    }
    const chart::ChartRequest request{"corners", chart::LevelCounts{2, 2, 2}, palette::kDefaultHueWeight, 10};
    const chart::ChartOutcome made = chart::makeChart(model, table, request);
    ASSERT_EQ(std::make_pair(made.message, made.reduction.colours), std::make_pair(std::string(), 4));

    edit::EditSession session;
    edit::beginPaintingVisit(session);
    edit::pickPen(model, table, session, CellPosition{7, 0});
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) edit::paintCell(model, session, CellPosition{column, row});
    }
    EXPECT_EQ(edit::settlePaintingVisit(model, table, session), 3);
    const auto& counts = model.cube.counts;
    EXPECT_EQ(std::make_pair(counts.at(chart::unpack(packedOf('R'))), counts.at(chart::unpack(packedOf('G')))),
              std::make_pair(0, 32));
}
