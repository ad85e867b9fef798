#include "edit/cell_edits.h"
#include "edit/chart_hit.h"
#include "edit/pen.h"

#include "edit/edit_test_model.h"

#include <gtest/gtest.h>

using chart::Rgb;
using edit::CellPosition;
using edit_test::packedOf;

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};

palette::ColourEntry entry(const std::string& code, const std::string& name, int r, int g, int b) {
    palette::ColourEntry e = chart_test::entry(code, r, g, b);
    e.name = name;
    return e;
}

}  // namespace

// The chart of 3 x 2 cells of 2 x 2 pixels is a 6 x 4 bitmap, here shown at twice its size.
TEST(ChartHit, FindsTheFilledCellUnderAPanelPoint) {
    const auto table = chart_test::cornerTable();
    const chart::ChartModel model = edit_test::chartOf({"RGB", "K.Y"}, table);
    const edit::ShownChart twice{12, 8, 6, 4};
    struct Case {
        int x, y;
        std::optional<CellPosition> cell;
    };
    const Case cases[] = {
        {4, 4, CellPosition{0, 0}},
        {7, 7, CellPosition{0, 0}},
        {8, 4, CellPosition{1, 0}},
        {15, 11, CellPosition{2, 1}},
        {2, 2, CellPosition{0, 0}},  // the frame just above and left truncates into the first cell
        {0, 4, std::nullopt},        // a whole cell's width left of the picture
        {16, 4, std::nullopt},       // right of the shown picture
        {4, 12, std::nullopt},       // below it
        {8, 8, std::nullopt},        // an empty cell
    };
    for (const Case& c : cases) {
        EXPECT_EQ(edit::cellAtPoint(model, twice, c.x, c.y), c.cell) << c.x << "," << c.y;
    }
    EXPECT_EQ(edit::cellAtPoint(model, edit::ShownChart{}, 2, 2), std::nullopt);  // nothing shown yet
}

TEST(Pen, TextNamesTheColourAndItsCodeAndTheTextColourKeepsItReadable) {
    struct Case {
        palette::ColourEntry entry;
        std::string text;
        Rgb textColour;
    };
    const Case cases[] = {
        {entry("310", "黒", 0, 0, 0), "黒\r\n(310)\r\n0-0-0", Rgb{255, 255, 255}},
        {entry("", "白", 255, 255, 255), "白\r\n255-255-255", Rgb{0, 0, 0}},
        {entry("A", "light", 150, 150, 150), "light\r\n(A)\r\n150-150-150", Rgb{0, 0, 0}},
        {entry("B", "dark", 150, 150, 149), "dark\r\n(B)\r\n150-150-149", Rgb{255, 255, 255}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(edit::penText(c.entry), c.text);
        EXPECT_EQ(edit::penTextColour(c.entry), c.textColour) << c.entry.name;
    }
}

TEST(Pen, PickTakesTheCellsCodeColourAndKeepsThePenWhenThereIsNone) {
    const auto table = chart_test::cornerTable();
    chart::ChartModel model = edit_test::chartOf({"RG"}, table);
    edit::EditSession session;
    const auto pen = edit::pickPen(model, table, session, CellPosition{1, 0});
    ASSERT_TRUE(pen);
    EXPECT_EQ(std::make_tuple(pen->packed, pen->colour, pen->code, pen->name, pen->text, pen->textColour),
              std::make_tuple(packedOf('G'), kGreen, "G", "name G", "name G\r\n(G)\r\n0-255-0", Rgb{255, 255, 255}));
    EXPECT_EQ(std::make_pair(session.penIndex, session.penColour), std::make_pair(packedOf('G'), kGreen));

    // The colour table of another code system may have no colour for the cell's cube cell.
    model.cube.codes.at(chart::unpack(packedOf('R'))) = chart::kNoCode;
    EXPECT_EQ(edit::pickPen(model, table, session, CellPosition{0, 0}), std::nullopt);
    EXPECT_EQ(session.penIndex, packedOf('G'));
}

// Paint waits for a pen. Undo and redo change the recorded cell and count down and up.
TEST(CellEdits, PaintUndoAndRedoChangeTheRecordedCellAndTheEditCount) {
    const auto table = chart_test::cornerTable();
    chart::ChartModel model = edit_test::chartOf({"RGB"}, table);
    edit::EditSession session;
    EXPECT_EQ(edit::paintCell(model, session, CellPosition{0, 0}), std::nullopt);
    EXPECT_FALSE(session.history.canUndo());
    edit::pickPen(model, table, session, CellPosition{2, 0});

    EXPECT_EQ(edit::paintCell(model, session, CellPosition{0, 0}), (CellPosition{0, 0}));
    EXPECT_EQ(std::make_tuple(model.cell(0, 0), model.cellColour(0, 0), session.editCount),
              std::make_tuple(packedOf('B'), kBlue, 1));

    EXPECT_EQ(edit::undoEdit(model, table, session), (CellPosition{0, 0}));
    EXPECT_EQ(std::make_tuple(model.cell(0, 0), model.cellColour(0, 0), session.editCount),
              std::make_tuple(packedOf('R'), kRed, 0));
    EXPECT_EQ(edit::undoEdit(model, table, session), std::nullopt);
    EXPECT_EQ(session.editCount, 0);

    EXPECT_EQ(edit::redoEdit(model, table, session), (CellPosition{0, 0}));
    EXPECT_EQ(std::make_tuple(model.cell(0, 0), model.cellColour(0, 0), session.editCount),
              std::make_tuple(packedOf('B'), kBlue, 1));
    EXPECT_EQ(edit::redoEdit(model, table, session), std::nullopt);
    EXPECT_EQ(model.cellColour(1, 0), kGreen);
}

TEST(CellEdits, PaintingTwiceWithTheSamePenIsOneStepButCountsTwice) {
    edit_test::PaintingSession p({"RG"}, CellPosition{1, 0});
    edit::paintCell(p.model, p.session, CellPosition{1, 0});
    edit::paintCell(p.model, p.session, CellPosition{1, 0});
    EXPECT_EQ(p.session.editCount, 2);
    EXPECT_TRUE(edit::undoEdit(p.model, p.table, p.session));
    EXPECT_FALSE(p.session.history.canUndo());
}

// The buttons once clicked at the first cell and were ignored when it was empty.
TEST(CellEdits, UndoAndRedoWorkWhenTheFirstCellIsEmpty) {
    edit_test::PaintingSession p({".RG"}, CellPosition{2, 0});
    edit::paintCell(p.model, p.session, CellPosition{1, 0});
    EXPECT_EQ(edit::undoEdit(p.model, p.table, p.session), (CellPosition{1, 0}));
    EXPECT_EQ(p.model.cellColour(1, 0), kRed);
    EXPECT_EQ(edit::redoEdit(p.model, p.table, p.session), (CellPosition{1, 0}));
    EXPECT_EQ(p.model.cellColour(1, 0), kGreen);
}

TEST(CellEdits, UndoToACubeCellWithoutCodeColourLeavesTheCellsColour) {
    edit_test::PaintingSession p({"RG"}, CellPosition{1, 0});
    edit::paintCell(p.model, p.session, CellPosition{0, 0});
    p.model.cube.codes.at(chart::unpack(packedOf('R'))) = chart::kNoCode;
    edit::undoEdit(p.model, p.table, p.session);
    EXPECT_EQ(std::make_pair(p.model.cell(0, 0), p.model.cellColour(0, 0)), std::make_pair(packedOf('R'), kGreen));
}
