#include "pattern/pattern_wire.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

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
    const auto& [content, options] = *back;
    EXPECT_EQ(std::tie(options.paper, options.strands, options.date),
              std::tie(sent.options.paper, sent.options.strands, sent.options.date));
    EXPECT_EQ(std::tie(content.systemTitle, content.fabric.name, content.fabric.countSize, content.fabric.unit),
              std::tie(sent.content.systemTitle, sent.content.fabric.name, sent.content.fabric.countSize,
                       sent.content.fabric.unit));
    ASSERT_EQ(content.key.size(), 2u);
    const palette::ColourEntry& white = content.key[1].entry;
    EXPECT_EQ(std::tie(white.name, white.symbol, white.g), std::tie(sent.content.key[1].entry.name,
              sent.content.key[1].entry.symbol, sent.content.key[1].entry.g));
    EXPECT_EQ(content.key[0].stitches, 4);
    EXPECT_EQ(back->content.cells, sent.content.cells);
}

// The painter indexes the key with every cell's row, so nothing that could send it past the key gets through.
TEST(PatternWire, BytesThatAreNotAWholeJobAreRefused) {
    const std::string whole = pattern::packPatternJob(smallJob());
    EXPECT_FALSE(pattern::unpackPatternJob(whole.substr(0, whole.size() - 1)));
    EXPECT_FALSE(pattern::unpackPatternJob(whole + "x"));
    EXPECT_FALSE(pattern::unpackPatternJob(""));

    const std::function<void(pattern::PatternJob&)> spoilt[] = {
        [](pattern::PatternJob& job) { job.content.cells[2] = 2; },  // past the key
        [](pattern::PatternJob& job) { job.options.strands = 0; },
        [](pattern::PatternJob& job) { job.content.columns = 201, job.content.cells.assign(201 * 2, 0); },
    };
    for (const auto& spoil : spoilt) {
        pattern::PatternJob job = smallJob();
        spoil(job);
        EXPECT_FALSE(pattern::unpackPatternJob(pattern::packPatternJob(job)));
    }
}

}  // namespace
