#include "chart/cube_size.h"
#include "palette/catalogue.h"
#include "platform/ini_file.h"

#include <gtest/gtest.h>

namespace {
const std::string kCfg = std::string(TESSALY_SOURCE_DIR) + "/cfg";
}

TEST(ShippedCfg, ListsBothSystemsWithTheirSettings) {
    const auto ini = platform::IniFile::load(kCfg + "/Tessaly.ini");
    ASSERT_TRUE(ini.has_value());
    const auto list = palette::readCodeSystemList(*ini);
    EXPECT_EQ(list.names, (std::vector<std::string>{"DMC(刺繍糸)", "アイコン"}));
    EXPECT_EQ(list.defaultIndex, 0);

    const auto dmc = palette::readCodeSystemSettings(*ini, "DMC(刺繍糸)");
    EXPECT_EQ(dmc.title, "DMC刺繍糸");
    EXPECT_EQ(dmc.maxColours, 56);
    EXPECT_EQ(dmc.defaultColours, 45);
    EXPECT_EQ(chart::selectCubeSizeItem(dmc.cubeSize), "512");
    const auto icon = palette::readCodeSystemSettings(*ini, "アイコン");
    EXPECT_EQ(icon.title, "アイコン16色");
    EXPECT_EQ(icon.maxColours, 16);
    EXPECT_TRUE(icon.smoothing);
    EXPECT_TRUE(icon.boundary);
    EXPECT_EQ(ini->readString("size", "Name1", ""), "１センチ9目");
    EXPECT_EQ(ini->readString("size", "Size5", ""), "-1");
}

TEST(ShippedCfg, DmcTableHas455ThreadsBrightestFirst) {
    const auto loaded = palette::chooseCodeSystem(kCfg, "DMC(刺繍糸)");
    ASSERT_EQ(loaded.message, "");
    const auto& table = loaded.system.table;
    ASSERT_EQ(table.size(), 455u);
    EXPECT_EQ(table.front().code, "BLANC");
    EXPECT_EQ(table[1].code, "B5200");
    EXPECT_EQ(table.back().code, "310");
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].sum, table[i].r + table[i].g + table[i].b) << table[i].code;
        if (i > 0) {
            EXPECT_LE(table[i].sum, table[i - 1].sum) << table[i].code;
        }
    }
}

TEST(ShippedCfg, IconTableHasSixteenColours) {
    const auto loaded = palette::chooseCodeSystem(kCfg, "アイコン");
    ASSERT_EQ(loaded.message, "");
    EXPECT_EQ(loaded.system.table.size(), 16u);
}
