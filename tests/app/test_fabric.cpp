#include "app/fabric.h"
#include "platform/ini_file.h"

#include <gtest/gtest.h>

namespace {

using app::chooseFabric;

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
        const char* size;
        const char* unit;
        int index;
        double countSize;
        const char* largeUnit;
    };
    for (const Case& c : {
             Case{"  0.91", "mm", 0, 0.91, "cm"},   // as the saved format writes it
             Case{"0.909", " mm ", 2, 0.909, "cm"},  // an exact match only, not the 0.91 before it
             Case{"0.91", "cm", 3, 0.91, "m"},       // the free size in cm takes the saved size
             Case{"  2.50", "cm", 3, 2.5, "m"},
             Case{"1.50", "mm", 1, 1.81, "cm"},      // no match: the settings' default fabric
             Case{"", "mm", 1, 1.81, "cm"},
         }) {
        const app::CurrentFabric fabric = chooseFabric(fabrics, 1, c.size, c.unit);
        EXPECT_EQ(fabric.index, c.index) << c.size << c.unit;
        EXPECT_EQ(fabric.fabric.countSize, c.countSize) << c.size << c.unit;
        EXPECT_EQ(fabric.fabric.largeUnit, c.largeUnit) << c.size << c.unit;
        EXPECT_EQ(fabric.fabric.name, fabrics[static_cast<std::size_t>(c.index)].name);
    }
}

TEST(FabricList, AnUnsetFreeSizeOrABadDefaultStillGivesAUsableFabric) {
    const auto fabrics = palette::readFabricList(kSettings);
    // A free size with nothing saved would measure the chart in negative lengths.
    EXPECT_EQ(chooseFabric(fabrics, 3, "", "").fabric.countSize, 1.0);
    EXPECT_EQ(chooseFabric(fabrics, 3, "", "").fabric.unit, "cm");
    EXPECT_EQ(chooseFabric(fabrics, 17, "", "").index, 0);
    EXPECT_EQ(chooseFabric({}, 0, "0.91", "mm").fabric.countSize, 1.0);
}

}  // namespace
