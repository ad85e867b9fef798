#include "palette/colour_table.h"

#include <gtest/gtest.h>

using palette::parseColourTable;

TEST(ColourTable, FullLineGivesCodeNameColourSumAndMatchColour) {
    const auto table = parseColourTable("310\tBlack\t0\t0\t0\t0\t\r\n");
    ASSERT_EQ(table.size(), 1u);
    const auto& e = table[0];
    EXPECT_EQ(std::tie(e.code, e.name), std::make_tuple("310", "Black"));
    EXPECT_EQ(std::tie(e.r, e.g, e.b, e.sum, e.matchR, e.matchG, e.matchB), std::make_tuple(0, 0, 0, 0, 0, 0, 0));
    EXPECT_TRUE(e.symbol.empty());
}

TEST(ColourTable, MissingAndUnreadableFieldsTakeTheirDefaults) {
    const auto table = parseColourTable("999\n"
                                        "\n"
                                        "A\tname\t10\tx\t30\t-1\t-5\t\t200\n"
                                        " B \t n \t1\t2\t3\t100\t4\t5\t6\tignored\textra\n");
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(std::tie(table[0].code, table[0].name, table[0].sum), std::make_tuple("999", "", 0));
    // A blank line inside the file is an entry of its own.
    EXPECT_EQ(table[1].code, "");
    EXPECT_EQ(table[1].r + table[1].g + table[1].b, 0);
    // Not a number gives 0; a negative sum or match value gives the computed one.
    EXPECT_EQ(std::tie(table[2].g, table[2].sum, table[2].matchR, table[2].matchG, table[2].matchB),
              std::make_tuple(0, 40, 10, 0, 200));
    // Fields are trimmed; a given sum and match colour are kept as they are.
    EXPECT_EQ(std::tie(table[3].code, table[3].name), std::make_tuple("B", "n"));
    EXPECT_EQ(std::tie(table[3].sum, table[3].matchR, table[3].matchG, table[3].matchB), std::make_tuple(100, 4, 5, 6));
}

TEST(ColourTable, FileOrderIsKeptAndOnlyAFinalLineBreakEndsTheTable) {
    const auto table = parseColourTable("1\ta\t9\t9\t9\r\n2\tb\t1\t1\t1\r\n\r\n");
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].code, "1");
    EXPECT_EQ(table[1].code, "2");
    EXPECT_EQ(table[2].code, "");
    EXPECT_TRUE(parseColourTable("").empty());
}

TEST(ColourTable, ChannelsOutsideTheirRangeAreHeldTo0Through255) {
    const auto e = parseColourTable("c\tn\t300\t-4\t2147483647\t\t999\n").at(0);
    EXPECT_EQ(std::tie(e.r, e.g, e.b, e.sum, e.matchR), std::make_tuple(255, 0, 255, 510, 255));
}
