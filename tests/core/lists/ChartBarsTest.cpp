#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/lists/ChartBars.h"
#include "core/lists/PlayListContent.h"
#include "core/lists/Tendencies.h"

namespace gridtally {
namespace {

// A run call's bar writes its yards per call as the run list's "Avg" does, halves too:
// 13 yards in 4 calls is 3.2 in both, never 3.3 in one of them.
TEST(YardsPerCallBar, WritesTheFigureAsTheRunListDoes) {
    struct Case {
        int yards, calls;
        const char* shown;
    };
    for (Case c : {Case{13, 4, "3.2"}, Case{181, 48, "3.8"}, Case{-3, 2, "-1.5"}, Case{7, 2, "3.5"},
                   Case{1, 8, "0.1"}, Case{0, 0, "0.0"}, Case{45, 4, "11.2"}}) {
        SCOPED_TRACE(c.shown);
        PlayRec play;
        play.key.play = "Dive Right";
        play.results.yards = c.yards;
        play.results.calls = c.calls;
        std::string average =
            PlayListCells(PlayListKind::Run, play)[ColumnIndex(RunColumn::Average)];
        EXPECT_EQ(average, c.shown);
        ChartBar bar = YardsPerCallBar(play);
        EXPECT_EQ(bar.label, "Dive Right (" + average + ")");
        ASSERT_EQ(bar.values.size(), 1u);
        EXPECT_DOUBLE_EQ(bar.values[0], c.calls ? 1.0 * c.yards / c.calls : 0.0);
        EXPECT_EQ(bar.tip, "Dive Right: " + std::to_string(c.yards) + " yards in " +
                               std::to_string(c.calls) + " calls, " + average + " per call");
    }
}

// The run share is a whole percent as the pass list's "Cmp/Att" writes one: 2 of 3 is 66,
// not 67; 29 of 50 is 57.
TEST(TendencyBars, TheRunShareIsThePercentTheListsShow) {
    struct Case {
        int runs, passes;
        const char* share;  // nullptr: no plays, no share
    };
    for (Case c : {Case{2, 1, "66"}, Case{6, 3, "66"}, Case{1, 2, "33"}, Case{29, 21, "57"},
                   Case{0, 4, "0"}, Case{5, 0, "100"}, Case{0, 0, nullptr}}) {
        SCOPED_TRACE(std::to_string(c.runs) + " " + std::to_string(c.passes));
        TeamTotals totals;
        totals.counts[2][1][0] = c.runs;  // third and 2-5
        totals.counts[2][1][1] = c.passes;
        std::vector<ChartBar> bars = TendencyBars(&totals);
        ASSERT_EQ(bars.size(), 16u);
        const ChartBar& bar = bars[2 * 4 + 1];
        if (c.share) {
            EXPECT_EQ(bar.label, std::string("Third and 2-5 (") + c.share + " % run)");
            PlayRec pass;
            pass.results.completions = c.runs;
            pass.results.calls = c.runs + c.passes;
            std::string cell = PlayListCells(PlayListKind::Pass,
                                             pass)[ColumnIndex(PassColumn::CompletionsOfCalls)];
            EXPECT_NE(cell.find(std::string("(") + c.share), std::string::npos) << cell;
        } else {
            EXPECT_EQ(bar.label, "Third and 2-5");
        }
        EXPECT_EQ(bar.values, (std::vector<double>{1.0 * c.runs, 1.0 * c.passes}));
        EXPECT_EQ(bar.tip, "Third and 2-5: " + std::to_string(c.runs) + " runs, " +
                               std::to_string(c.passes) + " passes");
    }
}

// The bars are the tendency rows, separators left out, in their order; without totals
// they are there all the same, empty.
TEST(TendencyBars, AreTheTendencyRowsInTheirOrder) {
    TeamTotals totals;
    for (int down = 0; down < 4; ++down) {
        for (int bucket = 0; bucket < 4; ++bucket) {
            totals.counts[down][bucket][0] = 10 * down + bucket;
            totals.counts[down][bucket][1] = bucket;
        }
    }
    for (const TeamTotals* given : std::vector<const TeamTotals*>{&totals, nullptr}) {
        std::vector<ChartBar> bars = TendencyBars(given);
        std::vector<std::vector<std::string>> rows = TendencyRows(given);
        std::size_t bar = 0;
        for (const auto& row : rows) {
            if (row[0] == " ") continue;
            ASSERT_LT(bar, bars.size());
            EXPECT_EQ(bars[bar].label.substr(0, row[0].size()), row[0]);
            EXPECT_EQ(bars[bar].values[0], row[1].empty() ? 0.0 : std::stod(row[1]));
            EXPECT_EQ(bars[bar].values[1], row[2].empty() ? 0.0 : std::stod(row[2]));
            ++bar;
        }
        EXPECT_EQ(bar, bars.size());
    }
    EXPECT_EQ(TendencyChartTitle("Blizzard"), "Blizzard - runs and passes");
    EXPECT_EQ(YardsPerCallChartTitle("Blizzard - Running Plays"),
              "Blizzard - Running Plays - yards per call");
}

}  // namespace
}  // namespace gridtally
