#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/lists/Tendencies.h"

namespace gridtally {
namespace {

const std::vector<std::string> kLabels = {
    "First and 0-1",  "First and 2-5",  "First and 6-10",  "First and 10 +",  " ",
    "Second and 0-1", "Second and 2-5", "Second and 6-10", "Second and 10 +", " ",
    "Third and 0-1",  "Third and 2-5",  "Third and 6-10",  "Third and 10 +",  " ",
    "Fourth and 0-1", "Fourth and 2-5", "Fourth and 6-10", "Fourth and 10 +", " ",
};

TEST(TendencyRows, CountRowsShowTheirDownAndBucketAndSeparatorsAreBlank) {
    TeamTotals totals;
    for (int down = 0; down < 4; ++down) {
        for (int bucket = 0; bucket < 4; ++bucket) {
            totals.counts[down][bucket][0] = 100 * down + 10 * bucket;
            totals.counts[down][bucket][1] = 100 * down + 10 * bucket + 1;
        }
    }
    std::vector<std::vector<std::string>> rows = TendencyRows(totals);
    ASSERT_EQ(rows.size(), 20u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), TendencyColumns().size()) << i;
        EXPECT_EQ(rows[i][0], kLabels[i]) << i;
        std::size_t down = i / 5;
        std::size_t bucket = i % 5;
        if (bucket == 4) {
            EXPECT_EQ(rows[i][1], "") << i;
            EXPECT_EQ(rows[i][2], "") << i;
            continue;
        }
        EXPECT_EQ(rows[i][1], std::to_string(100 * down + 10 * bucket)) << i;
        EXPECT_EQ(rows[i][2], std::to_string(100 * down + 10 * bucket + 1)) << i;
    }
}

TEST(TendencyRows, ZeroShowsZeroAndOnlyMissingTotalsLeaveCellsEmpty) {
    TeamTotals empty;
    std::vector<std::vector<std::string>> counted = TendencyRows(empty);
    EXPECT_EQ(counted[0], (std::vector<std::string>{"First and 0-1", "0", "0"}));

    std::vector<std::vector<std::string>> missing = TendencyRows(nullptr);
    ASSERT_EQ(missing.size(), 20u);
    for (std::size_t i = 0; i < missing.size(); ++i) {
        EXPECT_EQ(missing[i], (std::vector<std::string>{kLabels[i], "", ""})) << i;
    }
}

}  // namespace
}  // namespace gridtally
