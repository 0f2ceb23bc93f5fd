#include <gtest/gtest.h>

#include "core/model/PlayerRoster.h"
#include "core/reports/PlayerReports.h"

namespace gridtally {
namespace {

class ReportTest : public ::testing::Test {
protected:
    PlayerRec& Add(const char* reference, const char* team = "Otters") {
        return *FindOrAddPlayer(reference, team, roster);
    }
    ReportLines Offense(const char* team = "Otters") {
        ReportLines lines;
        BuildOffenseReport(roster, team, lines);
        return lines;
    }
    ReportLines Special(const char* team = "Otters") {
        ReportLines lines;
        BuildSpecialTeamsReport(roster, team, lines);
        return lines;
    }
    PlayerRoster roster;
};

const ReportLines kEmptyOffense{
    "[B] Passing Stats                Com Att Yds  Pct  TDs Ints Fmbls", "",
    "[B]  Rushing Stats               Car Yds Avg   TDs Fumbles",        "",
    "[B]  Receiving Stats             Rec Yds Avg   TDs Fumbles",
};

TEST_F(ReportTest, AClubWithNothingGivesTheThreeHeadersOnly) {
    EXPECT_EQ(Offense(), kEmptyOffense);
    Add("LB #50 Kurt Baines").tackles = 3;
    EXPECT_EQ(Offense(), kEmptyOffense);
    EXPECT_EQ(Special(), (ReportLines{
                             "[B]Kicking Stats:                 KO Tbs PATs blk FGs         Blk",
                             "",
                             "[B]Punting Stats:              Punts Gr  Avg   Net Avg   Tbs Blk",
                             "",
                             "[B]Returner Stats:              P-Rtns Yds TDs K-Rtns Yds TDs",
                         }));
}

TEST_F(ReportTest, AQuarterbackWhoRanIsListedInBothSectionsWithHisFumbles) {
    PlayerRec& qb = Add("QB #7 Al Cole");
    qb.passAttempts = 3;
    qb.completions = 2;
    qb.passYards = 25;
    qb.passTouchdowns = 1;
    qb.rushAttempts = 2;
    qb.rushYards = -4;
    qb.fumbles = 1;
    PlayerRec& back = Add("HB #22 Dario Vance");
    back.receptions = 4;
    back.receivingYards = 38;
    back.receivingTouchdowns = 1;

    EXPECT_EQ(Offense(), (ReportLines{
                             "[B] Passing Stats                Com Att Yds  Pct  TDs Ints Fmbls",
                             "QB   7   Al Cole                  2   3   25   66.7  1   0   1 ",
                             "",
                             "[B]  Rushing Stats               Car Yds Avg   TDs Fumbles",
                             "QB   7   Al Cole                  2   -4  -2.0  0  1 ",
                             "",
                             "[B]  Receiving Stats             Rec Yds Avg   TDs Fumbles",
                             "HB   22  Dario Vance              4   38   9.5   1  0 ",
                         }));
}

TEST_F(ReportTest, NoCompletionsPrintZeroPercentAndLongNamesPushTheRowRight) {
    PlayerRec& qb = Add("QB #12 Maximilian Vanderbilt-Wh");  // 24 characters
    qb.passAttempts = 3;
    ReportLines lines = Offense();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1], "QB   12  Maximilian Vanderbilt-Wh     0   3   0    0.0   0   0   0 ");
    EXPECT_EQ(lines[1].find("0   3"), 34u + 4u);
}

TEST_F(ReportTest, ListsPlayersInRosterOrderAndMatchesTheClubExactly) {
    Add("HB #22 Zed Adams").rushAttempts = 1;
    Add("HB #23 Abe Brown").rushAttempts = 1;
    Add("HB #24 Cy Other", "otters").rushAttempts = 1;
    ReportLines lines = Offense();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_TRUE(lines[3].starts_with("HB   22  Zed Adams"));
    EXPECT_TRUE(lines[4].starts_with("HB   23  Abe Brown"));
}

TEST_F(ReportTest, SpecialTeamsRows) {
    PlayerRec& kicker = Add("K #3 Abel Moreau");
    kicker.kickoffs = 6;
    kicker.kickoffTouchbacks = 2;
    kicker.extraPointsMade = 3;
    kicker.extraPointAttempts = 4;
    kicker.fieldGoalsMade = 2;
    kicker.fieldGoalAttempts = 3;
    kicker.longestFieldGoal = 47;
    kicker.punts = 1;  // one player may kick and punt
    kicker.puntGrossYards = 40;
    kicker.puntNetYards = -3;
    PlayerRec& placeKicker = Add("K #5 Ray Ochoa");  // no kick-off, but a field goal
    placeKicker.fieldGoalsMade = 1;
    placeKicker.fieldGoalAttempts = 1;
    PlayerRec& returner = Add("WR #11 Eli Moss");
    returner.puntReturns = 2;
    returner.puntReturnYards = 15;
    PlayerRec& kickReturner = Add("HB #22 Dario Vance");
    kickReturner.kickReturns = 1;
    kickReturner.kickReturnYards = 100;
    kickReturner.kickReturnTouchdowns = 1;

    EXPECT_EQ(Special(), (ReportLines{
                             "[B]Kicking Stats:                 KO Tbs PATs blk FGs         Blk",
                             "K    3   Abel Moreau              6  2   3/4 0   2/3 (47 lng) 0 ",
                             "K    5   Ray Ochoa                0  0   0/0 0   1/1 (0 lng) 0 ",
                             "",
                             "[B]Punting Stats:              Punts Gr  Avg   Net Avg   Tbs Blk",
                             "K    3   Abel Moreau              1  40  40.0  -3  -3.0  0    0  ",
                             "",
                             "[B]Returner Stats:              P-Rtns Yds TDs K-Rtns Yds TDs",
                             "WR   11  Eli Moss                 2    15   0   0      0   0  ",
                             "HB   22  Dario Vance              0    0    0   1      100 1  ",
                         }));
}

TEST(ReportLines, BoldLinesKeepTheirColumnsWhenShown) {
    EXPECT_TRUE(IsBoldLine("[B]x"));
    EXPECT_FALSE(IsBoldLine("[b]x"));
    EXPECT_FALSE(IsBoldLine(" [B]x"));
    EXPECT_EQ(ShownLine("[B]  Rushing Stats"), "     Rushing Stats");
    EXPECT_EQ(ShownLine("plain [B]"), "plain [B]");
}

}  // namespace
}  // namespace gridtally
