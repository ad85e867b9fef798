#include "app/size_dialog_rules.h"

#include <gtest/gtest.h>

namespace {

using app::CellEntry;

TEST(SizeDialogRules, CellTextsOutOfRangeAreWrittenBackAndAnEmptyOneOnlyWhenForced) {
    EXPECT_EQ(app::readCellEntry("120", false), (CellEntry{120, std::nullopt}));
    EXPECT_EQ(app::readCellEntry("0", false), (CellEntry{1, 1}));
    EXPECT_EQ(app::readCellEntry("x", false), (CellEntry{1, 1}));
    EXPECT_EQ(app::readCellEntry("201", false), (CellEntry{200, 200}));
    EXPECT_EQ(app::readCellEntry("", false), (CellEntry{1, std::nullopt}));
    EXPECT_EQ(app::readCellEntry("", true), (CellEntry{1, 1}));
}

TEST(SizeDialogRules, TypedCountSizesBecomeHundredthsWithinTheSpinRange) {
    EXPECT_EQ(app::typedCountSize("2.5"), 250);
    EXPECT_EQ(app::typedCountSize("  0.91"), 91);
    EXPECT_EQ(app::typedCountSize("0.125"), 12);  // halves to even
    EXPECT_EQ(app::typedCountSize("0.001"), 1);
    EXPECT_EQ(app::typedCountSize("1e300"), 10000);
    EXPECT_EQ(app::typedCountSize("2,5"), std::nullopt);
    EXPECT_EQ(app::typedCountSize(""), std::nullopt);
}

const std::vector<palette::Fabric> kFabrics{
    {"自由サイズ(cm)", palette::kFreeSize, "cm"},
    {"自由サイズ", palette::kFreeSize, "mm"},
    {"1センチ11目", 0.91, "mm"},
    {"2.5cm", 2.5, "cm"},
};

TEST(SizeDialogRules, ASizeBelongsToItsExactFabricBeforeAFreeSizeOfItsUnit) {
    EXPECT_EQ(app::fabricForSize(kFabrics, 0.91, "mm"), 2);
    EXPECT_EQ(app::fabricForSize(kFabrics, 2.5, "mm"), 1);
    EXPECT_EQ(app::fabricForSize(kFabrics, 2.5, "cm"), 3);
    EXPECT_EQ(app::fabricForSize(std::vector(kFabrics.begin() + 2, kFabrics.end()), 1.0, "mm"), -1);
}

}  // namespace
