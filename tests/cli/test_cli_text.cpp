// Backslashes and control characters, which no shipped setting holds; quotes, UTF-8 and CSV fields
// are shown in the files and summaries the command line writes.

#include "cli/json.h"

#include <gtest/gtest.h>

namespace {

TEST(CliText, JsonEscapesBackslashesAndControls) {
    EXPECT_EQ(cli::jsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(cli::jsonString("\t\n\r\b\f"), "\"\\t\\n\\r\\b\\f\"");
    EXPECT_EQ(cli::jsonString(std::string("\x01\x1f", 2)), "\"\\u0001\\u001f\"");
}

}  // namespace
