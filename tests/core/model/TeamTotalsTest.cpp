#include <gtest/gtest.h>

#include "core/model/GameState.h"
#include "core/model/TeamTotals.h"
#include "core/parsers/StatementParser.h"

namespace gridtally {
namespace {

TEST(DistanceBucket, SplitsAtTwoSixAndEleven) {
    struct Case {
        int toGo;
        int bucket;
    };
    for (Case c : {Case{-3, 0}, Case{0, 0}, Case{1, 0}, Case{2, 1}, Case{5, 1}, Case{6, 2},
                   Case{10, 2}, Case{11, 3}, Case{99, 3}}) {
        EXPECT_EQ(distanceBucket(c.toGo), c.bucket) << c.toGo;
    }
}

GameState Situation(const char* offense, int down, int toGo) {
    GameState state;
    state.offense = offense;
    state.down = down;
    state.toGo = toGo;
    return state;
}

TEST(CountPlayInTeamTotals, CountsRunsAndPassesByDownDistanceAndKind) {
    std::array<TeamTotals, 2> totals;
    totals[0].name = "Otters";
    totals[1].name = "Rams";

    CountPlayInTeamTotals(totals, Situation("Otters", 1, 10), PlayKind::Run);
    CountPlayInTeamTotals(totals, Situation("Otters", 1, 10), PlayKind::Run);
    CountPlayInTeamTotals(totals, Situation("Otters", 3, 1), PlayKind::Pass);
    CountPlayInTeamTotals(totals, Situation("Rams", 4, 15), PlayKind::Pass);

    EXPECT_EQ(totals[0].counts[0][2][0], 2);
    EXPECT_EQ(totals[0].counts[2][0][1], 1);
    EXPECT_EQ(totals[1].counts[3][3][1], 1);
    EXPECT_EQ(totals[1].counts[0][2][0], 0);
}

TEST(CountPlayInTeamTotals, IgnoresOtherKindsAndPlaysWithoutADown) {
    std::array<TeamTotals, 2> totals;
    totals[0].name = "Otters";
    for (PlayKind kind :
         {PlayKind::Kick, PlayKind::Defense, PlayKind::CalledBack, PlayKind::None}) {
        CountPlayInTeamTotals(totals, Situation("Otters", 1, 10), kind);
    }
    CountPlayInTeamTotals(totals, Situation("Otters", 0, 10), PlayKind::Run);
    CountPlayInTeamTotals(totals, Situation("Otters", 5, 10), PlayKind::Pass);

    for (const TeamTotals& team : totals) {
        for (const auto& down : team.counts)
            for (const auto& bucket : down)
                for (int count : bucket) EXPECT_EQ(count, 0);
    }
}

TEST(CountPlayInTeamTotals, AnUnknownOffenseGoesToTheSecondRecordWhichTakesItsName) {
    std::array<TeamTotals, 2> totals;
    CountPlayInTeamTotals(totals, Situation("Otters", 2, 4), PlayKind::Run);
    EXPECT_TRUE(totals[0].name.empty());
    EXPECT_EQ(totals[1].name, "Otters");
    EXPECT_EQ(totals[1].counts[1][1][0], 1);

    // A named second record keeps its name and still takes the play.
    totals[0].name = "Rams";
    CountPlayInTeamTotals(totals, Situation("Bears", 0, 4), PlayKind::Pass);
    EXPECT_EQ(totals[1].name, "Otters");
    CountPlayInTeamTotals(totals, Situation("Bears", 2, 4), PlayKind::Pass);
    EXPECT_EQ(totals[1].counts[1][1][1], 1);
}

}  // namespace
}  // namespace gridtally
