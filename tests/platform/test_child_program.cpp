#include "platform/child_program.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ChildProgram, HandsOverInputAndCollectsBothOutputsWholeWhateverTheirSize) {
    // More than a pipe holds at once, both ways, so that a runner writing before reading would stall.
    const std::string input(1 << 20, 'x');
    const platform::ChildRun run =
        platform::runChildProgram("/bin/sh", {"-c", "cat; echo said >&2; exit 3"}, input, 30);
    EXPECT_TRUE(run.started);
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.output, input);
    EXPECT_EQ(run.errors, "said\n");
}

TEST(ChildProgram, AProgramThatReadsNothingMissingOrHangingNeverHoldsOrEndsTheCaller) {
    // Ending without reading would raise SIGPIPE in a caller writing to a pipe.
    const platform::ChildRun early = platform::runChildProgram("/bin/true", {}, std::string(1 << 20, 'x'), 30);
    EXPECT_TRUE(early.finished);
    EXPECT_EQ(early.exitCode, 0);

    EXPECT_FALSE(platform::runChildProgram("/nonexistent/program", {}, "", 30).started);

    const platform::ChildRun hung = platform::runChildProgram("/bin/sleep", {"30"}, "", 1);
    EXPECT_TRUE(hung.started);
    EXPECT_FALSE(hung.finished);
}

}  // namespace
