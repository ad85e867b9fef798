#include "palette/fabric.h"
#include "palette/fabric_list.h"
#include "platform/ini_file.h"

#include <gtest/gtest.h>

namespace {

using palette::chooseFabric;

const platform::IniFile kSettings = platform::IniFile::parse(
    "[size]\nIni_No=1\n"
    "Name0=1センチ11目\nSize0=0.91\nScale0=mm\n"
    "Name1=14カウント\nSize1=1.81\nScale1=mm\n"
    "Name2=疎い布\nSize2=0.909\nScale2=mm\n"
    "Name4=自由サイズ\nSize4=-1\nScale4=cm\n"
    "Name5=寸法なし\nSize5=abc\nScale5=inch\n");

TEST(FabricList, NamedFabricsWithoutGapsAndCorrectedValues) {
    const auto fabrics = palette::readFabricList(kSettings);
    ASSERT_EQ(fabrics.size(), 5u);
    EXPECT_EQ(fabrics[3].name, "自由サイズ");  // Name3 is missing: fabric 4 moves up
    EXPECT_EQ(fabrics[3].countSize, palette::kFreeSize);
    EXPECT_EQ(fabrics[3].unit, "cm");
    EXPECT_EQ(fabrics[4].countSize, 1.0);
    EXPECT_EQ(fabrics[4].unit, "mm");
}

TEST(FabricList, SavedSizeAndUnitChooseTheFabric) {
    const auto fabrics = palette::readFabricList(kSettings);
    struct Case {
        std::optional<double> size;
        const char* unit;
        int index;
        double countSize;
        const char* chosenUnit;
    };
    for (const Case& c : {
             Case{0.91, "mm", 0, 0.91, "mm"},
             Case{0.909, " mm ", 2, 0.909, "mm"},  // an exact match only, not the 0.91 before it
             Case{0.91, "cm", 3, 0.91, "cm"},      // the free size in cm takes the saved size
             Case{2.5, "cm", 3, 2.5, "cm"},
             Case{1.5, "mm", 1, 1.81, "mm"},       // no match: the settings' default fabric
             Case{std::nullopt, "mm", 1, 1.81, "mm"},
         }) {
        const palette::FabricChoice fabric = chooseFabric(fabrics, 1, c.size, c.unit);
        EXPECT_EQ(fabric.index, c.index) << c.size.value_or(0) << c.unit;
        EXPECT_EQ(fabric.fabric.countSize, c.countSize) << c.size.value_or(0) << c.unit;
        EXPECT_EQ(fabric.fabric.unit, c.chosenUnit) << c.size.value_or(0) << c.unit;
        EXPECT_EQ(fabric.fabric.name, fabrics[static_cast<std::size_t>(c.index)].name);
    }
}

TEST(FabricList, AnUnsetFreeSizeOrABadDefaultStillGivesAUsableFabric) {
    const auto fabrics = palette::readFabricList(kSettings);
    // A free size with nothing saved would measure the chart in negative lengths.
    const palette::Fabric unset = chooseFabric(fabrics, 3, std::nullopt, "").fabric;
    EXPECT_EQ(std::make_pair(unset.countSize, unset.unit), std::make_pair(1.0, std::string("cm")));
    EXPECT_EQ(chooseFabric(fabrics, 17, std::nullopt, "").index, 0);
    EXPECT_EQ(chooseFabric({}, 0, 0.91, "mm").fabric.countSize, 1.0);
}

TEST(FabricList, CountSizeIsWrittenInTheSavedFormat) {
    EXPECT_EQ(palette::formatCountSize(0.91), "  0.91");
    EXPECT_EQ(palette::formatCountSize(0.909), "  0.91");
    EXPECT_EQ(palette::formatCountSize(-1), " -1.00");
    EXPECT_EQ(palette::formatCountSize(1234.5), "1,234.50");
}

}  // namespace
