#include "edit/undo_ring.h"

#include <gtest/gtest.h>

using edit::CellValue;
using edit::EditRecord;
using edit::UndoRing;

namespace {

// A record for cell (i, 0) changing from i to i + 1000, different for every i.
EditRecord step(int i) { return EditRecord{i % 201, i / 201, i, i + 1000}; }

}  // namespace

TEST(UndoRing, UndoGivesTheValuesBeforeAndRedoTheValuesAfterInTurnUntilCleared) {
    UndoRing ring;
    EXPECT_FALSE(ring.canUndo() || ring.canRedo());
    ring.record(step(1));
    ring.record(step(2));
    EXPECT_EQ(ring.undo(), (CellValue{2, 0, 2}));
    EXPECT_EQ(ring.undo(), (CellValue{1, 0, 1}));
    EXPECT_EQ(ring.undo(), std::nullopt);
    EXPECT_EQ(ring.redo(), (CellValue{1, 0, 1001}));
    EXPECT_EQ(ring.redo(), (CellValue{2, 0, 1002}));
    EXPECT_EQ(ring.redo(), std::nullopt);
    EXPECT_TRUE(ring.canUndo());
    EXPECT_FALSE(ring.canRedo());

    ring.undo();
    ring.clear();
    EXPECT_FALSE(ring.canUndo() || ring.canRedo());
}

// Only a repeat of the newest record is left out; an equal record further back is a new step.
TEST(UndoRing, ARepeatOfTheNewestRecordIsRecordedOnce) {
    UndoRing ring;
    ring.record(step(1));
    ring.record(step(1));
    EXPECT_EQ(ring.undo(), (CellValue{1, 0, 1}));
    EXPECT_FALSE(ring.canUndo());

    ring.record(step(1));
    ring.record(step(2));
    ring.record(step(1));
    int steps = 0;
    while (ring.undo()) ++steps;
    EXPECT_EQ(steps, 3);
}

TEST(UndoRing, HoldsTheNewestHundredStepsOnly) {
    UndoRing ring;
    for (int i = 0; i < 101; ++i) ring.record(step(i));
    for (int i = 100; i >= 1; --i) ASSERT_EQ(ring.undo(), (CellValue{step(i).column, step(i).row, i})) << i;
    EXPECT_FALSE(ring.canUndo());
    for (int i = 1; i <= 100; ++i) ASSERT_TRUE(ring.redo()) << i;
    EXPECT_FALSE(ring.canRedo());
}

TEST(UndoRing, ARecordAfterAnUndoDropsEveryRedoStep) {
    UndoRing ring;
    for (int i = 0; i < 3; ++i) ring.record(step(i));
    ring.undo();
    ring.undo();
    ring.record(step(7));
    EXPECT_FALSE(ring.canRedo());
    EXPECT_EQ(ring.undo(), (CellValue{7, 0, 7}));
    EXPECT_EQ(ring.undo(), (CellValue{0, 0, 0}));
    EXPECT_FALSE(ring.canUndo());
}
