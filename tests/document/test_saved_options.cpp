#include "document/saved_options.h"

#include <gtest/gtest.h>

namespace {

TEST(SavedChoices, SavedSystemOnlyWhenItIsInTheList) {
    const palette::CodeSystemList list{{"DMC", "アイコン"}, 1};
    EXPECT_EQ(document::chosenSystemIndex(list, 0), 0);
    EXPECT_EQ(document::chosenSystemIndex(list, 5), 1);
    EXPECT_EQ(document::chosenSystemIndex(list, -1), 1);
    EXPECT_EQ(document::chosenSystemIndex(list, std::nullopt), 1);
}

TEST(SavedChoices, OptionsFallBackToTheSystemsOwn) {
    palette::CodeSystemSettings system;
    system.smoothing = true;
    system.boundary = false;
    system.maxColours = 56;
    system.defaultColours = 45;

    const chart::ChartChoices first = document::savedChoices(system, {});
    EXPECT_TRUE(first.smoothing);
    EXPECT_FALSE(first.boundary);
    EXPECT_EQ(first.maxColours, 45);

    const chart::ChartChoices saved =
        document::savedChoices(system, {.smoothing = 0, .boundary = 1, .appearance = 1, .maxColours = 30});
    EXPECT_FALSE(saved.smoothing);
    EXPECT_TRUE(saved.boundary);
    EXPECT_TRUE(saved.appearance);
    EXPECT_EQ(saved.maxColours, 30);

    // A number that is no switch is off, whatever the system says; a count beyond the system's most
    // keeps the system's default.
    system.appearance = true;
    const chart::ChartChoices odd = document::savedChoices(system, {.smoothing = 2, .appearance = 2, .maxColours = 60});
    EXPECT_FALSE(odd.smoothing);
    EXPECT_FALSE(odd.appearance);
    EXPECT_FALSE(odd.boundary);
    EXPECT_EQ(odd.maxColours, 45);
}

}  // namespace
