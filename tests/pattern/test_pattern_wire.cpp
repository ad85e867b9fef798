#include "pattern/pattern_wire.h"

#include <gtest/gtest.h>

namespace {

pattern::PatternJob smallJob() {
    pattern::PatternJob job;
    job.options = {pattern::Paper::Letter, 3, "2026-12-07"};
    job.content.columns = 3;
    job.content.rows = 2;
    job.content.systemTitle = "DMC(刺繍糸)";
    job.content.fabric = {"アイーダ 14", 1.81, "mm"};
    job.content.key = {{{"310", "Black", 0, 0, 0, 0, 0, 0, 0, "●"}, 4}, {{"3865", "Winter White", 249, 247, 241, 0, 0, 0, 0, "▲"}, 1}};
    job.content.cells = {0, 0, 1, pattern::kNoKeyRow, 0, 0};
    return job;
}

TEST(PatternWire, AJobArrivesAsItWasSent) {
    const std::optional<pattern::PatternJob> back = pattern::unpackPatternJob(pattern::packPatternJob(smallJob()));
    ASSERT_TRUE(back);
    const pattern::PatternJob sent = smallJob();
    EXPECT_EQ(back->options.paper, sent.options.paper);
    EXPECT_EQ(back->options.strands, sent.options.strands);
    EXPECT_EQ(back->options.date, sent.options.date);
    EXPECT_EQ(back->content.systemTitle, sent.content.systemTitle);
    EXPECT_EQ(back->content.fabric.name, sent.content.fabric.name);
    EXPECT_EQ(back->content.fabric.countSize, sent.content.fabric.countSize);
    EXPECT_EQ(back->content.fabric.unit, sent.content.fabric.unit);
    ASSERT_EQ(back->content.key.size(), 2u);
    EXPECT_EQ(back->content.key[1].entry.name, "Winter White");
    EXPECT_EQ(back->content.key[1].entry.symbol, "▲");
    EXPECT_EQ(back->content.key[1].entry.g, 247);
    EXPECT_EQ(back->content.key[0].stitches, 4);
    EXPECT_EQ(back->content.cells, sent.content.cells);
}

// The painter indexes the key with every cell's row, so nothing that could send it past the key gets through.
TEST(PatternWire, BytesThatAreNotAWholeJobAreRefused) {
    const std::string whole = pattern::packPatternJob(smallJob());
    EXPECT_FALSE(pattern::unpackPatternJob(whole.substr(0, whole.size() - 1)));
    EXPECT_FALSE(pattern::unpackPatternJob(whole + "x"));
    EXPECT_FALSE(pattern::unpackPatternJob(""));

    pattern::PatternJob pastTheKey = smallJob();
    pastTheKey.content.cells[2] = 2;
    EXPECT_FALSE(pattern::unpackPatternJob(pattern::packPatternJob(pastTheKey)));

    pattern::PatternJob noStrands = smallJob();
    noStrands.options.strands = 0;
    EXPECT_FALSE(pattern::unpackPatternJob(pattern::packPatternJob(noStrands)));

    pattern::PatternJob oversized = smallJob();
    oversized.content.columns = 201;
    oversized.content.cells.assign(201 * 2, 0);
    EXPECT_FALSE(pattern::unpackPatternJob(pattern::packPatternJob(oversized)));
}

}  // namespace
