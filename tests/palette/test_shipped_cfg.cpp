#include "palette/catalogue.h"
#include "palette/code_system.h"

#include <gtest/gtest.h>

// The nearest-code search stops at the first entry darker than its window.
TEST(ShippedCfg, EverySystemLoadsWithItsTableBrightestFirst) {
    const std::string cfg = std::string(TESSALY_SOURCE_DIR) + "/cfg";
    const auto settings = palette::loadShippedSettings(cfg);
    ASSERT_EQ(settings.message, "");
    const auto& names = settings.systems.names;
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names) {
        const auto loaded = palette::loadCodeSystem(cfg, settings.ini, name);
        ASSERT_EQ(loaded.message, "") << name;
        const auto& table = loaded.system.table;
        ASSERT_FALSE(table.empty()) << name;
        for (std::size_t i = 0; i < table.size(); ++i) {
            EXPECT_EQ(table[i].sum, table[i].r + table[i].g + table[i].b) << name << " " << table[i].code;
            if (i > 0) {
                EXPECT_LE(table[i].sum, table[i - 1].sum) << name << " " << table[i].code;
            }
        }
    }
}
