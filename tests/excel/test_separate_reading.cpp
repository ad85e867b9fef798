// Reading a workbook in a process of its own: the sheets come back whole, and a reading library
// that aborts or speaks ends or speaks only in that process.

#include "excel/content_wire.h"
#include "excel/separate_process.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

TEST(ContentWire, SheetsComeBackWithValuesFillsAndLines) {
    excel::WorkbookContent content;
    excel::SheetContent& first = content.sheets.emplace_back("色番号表");
    first.cell(60, 2).value = 160.5;
    first.cell(60, 3).value = std::string("DMC(刺繍糸)");
    first.cell(1, 1).fill = platform::Rgb{12, 34, 255};
    first.setLine(2, 2, excel::Edge::Right, excel::LineWeight::Hairline);
    first.setLine(3, 1, excel::Edge::Left, excel::LineWeight::Thin);
    content.sheets.emplace_back("empty");

    const std::optional<excel::WorkbookContent> back = excel::unpackContent(excel::packContent(content));
    ASSERT_TRUE(back);
    ASSERT_EQ(back->sheets.size(), 2u);
    const excel::SheetContent& sheet = back->sheets[0];
    EXPECT_EQ(sheet.name(), "色番号表");
    EXPECT_EQ(sheet.value(60, 2), excel::Variant(160.5));
    EXPECT_EQ(sheet.value(60, 3), excel::Variant(std::string("DMC(刺繍糸)")));
    EXPECT_EQ(sheet.find(1, 1)->fill, (platform::Rgb{12, 34, 255}));
    EXPECT_EQ(sheet.find(2, 2)->right, excel::LineWeight::Hairline);
    EXPECT_EQ(sheet.find(3, 1)->left, excel::LineWeight::Thin);
    EXPECT_EQ(sheet.lastRow(), 60);
    EXPECT_EQ(back->sheets[1].name(), "empty");
    EXPECT_EQ(back->sheets[1].lastRow(), 0);

    // Cut short or padded, the bytes are no workbook.
    const std::string packed = excel::packContent(content);
    EXPECT_FALSE(excel::unpackContent(std::string_view(packed).substr(0, packed.size() - 1)));
    EXPECT_FALSE(excel::unpackContent(packed + "x"));
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
