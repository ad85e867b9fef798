// Reading a workbook in a process of its own: the values read come back whole, and a reading
// library that aborts or speaks ends or speaks only in that process.

#include "excel/content_wire.h"
#include "excel/separate_process.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

TEST(ContentWire, TheReadValuesComeBackWhole) {
    excel::WorkbookValues values;
    values.sheets = 6;
    values.marked = true;
    values.parameters[3] = -7;
    values.codeSystem = "DMC(刺繍糸)";
    values.fabricUnit = "mm";
    values.valuesBegin = {true, false, true};
    values.levels = {{{{1, excel::kNoLevel, 3}, {}}, {{4, 5, 6}, {}}, {{7, 8, 1000000000}, {}}}};
    const std::string packed = excel::packValues(values);
    EXPECT_EQ(excel::unpackValues(packed), values);

    // Cut short or padded, the bytes are no values; nor are green rows that the red ones do not match.
    EXPECT_FALSE(excel::unpackValues(std::string_view(packed).substr(0, packed.size() - 1)));
    EXPECT_FALSE(excel::unpackValues(packed + "x"));
    values.levels[1][0].pop_back();
    EXPECT_FALSE(excel::unpackValues(excel::packValues(values)));
}

TEST(SeparateProcess, GivesBackTheAnswerOrNothingWhenTheWorkFails) {
    EXPECT_EQ(excel::runSeparately([] { return std::string("answer"); }, 60), "answer");
    EXPECT_EQ(excel::runSeparately([] { return std::string(1 << 20, 'x'); }, 60)->size(), 1u << 20);
    EXPECT_EQ(excel::runSeparately([]() -> std::string { std::abort(); }, 60), std::nullopt);
    EXPECT_EQ(excel::runSeparately([]() -> std::string { throw std::runtime_error("no"); }, 60), std::nullopt);
}

TEST(SeparateProcess, WhatTheWorkPrintsGoesNowhere) {
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const auto answer = excel::runSeparately(
        [] {
            std::printf("library chatter\n");
            std::fflush(stdout);
            std::fprintf(stderr, "library warning\n");
            return std::string("answer");
        },
        60);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(answer, "answer");
}

}  // namespace
