#include "cli/csv.h"
#include "cli/json.h"

#include <gtest/gtest.h>

namespace {

TEST(CliText, CsvQuotesOnlyFieldsThatNeedIt) {
    EXPECT_EQ(cli::csvField("BLANC"), "BLANC");
    EXPECT_EQ(cli::csvField(""), "");
    EXPECT_EQ(cli::csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(cli::csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(cli::csvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(cli::csvField("cr\r"), "\"cr\r\"");
    EXPECT_EQ(cli::csvLine({"", "x,y", "☆"}), ",\"x,y\",☆\n");
}

TEST(CliText, JsonEscapesControlsAndPassesUtf8Through) {
    EXPECT_EQ(cli::jsonString("DMC(刺繍糸)"), "\"DMC(刺繍糸)\"");
    EXPECT_EQ(cli::jsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(cli::jsonString("\t\n\r\b\f"), "\"\\t\\n\\r\\b\\f\"");
    EXPECT_EQ(cli::jsonString(std::string("\x01\x1f", 2)), "\"\\u0001\\u001f\"");
}

}  // namespace
