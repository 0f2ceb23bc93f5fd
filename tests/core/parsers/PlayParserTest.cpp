#include "PlayFixture.h"
#include "core/model/LogReader.h"
#include "core/text/FileBytes.h"

namespace gridtally {
namespace {

using P = PlayerRec;
using C = PlayCallRec;

std::string Dive(const std::string& play) {
    return play + " That was Dive (12) against Rams's Base (1).";
}
std::string Slant(const std::string& play) {
    return play + " That was Slant (21) against Rams's Cover 2 (14).";
}

// Runs, passes, sacks and plays that credit nobody.
const std::vector<PlayCase> kPlays = {
    {"APlainCarry",
     {1, 0},
     {Dive("Otters's HB #22 Dario Vance runs for a gain of 7 yards. Dario Vance is tackled by "
           "Rams's LB #54 Sam Okafor.")},
     {"Dario Vance (Otters) rushAttempts 1 rushYards 7", "Sam Okafor (Rams) tackles 1"},
     {"Otters|Dive|0 yards 7 calls 1", "Rams|Base|3 calls 1 runsFaced 1 runYardsAllowed 7"}},
    // The hand-off itself is not credited; the passer is met first, so listed first.
    {"AHandOff",
     {1, 0},
     {Dive("Otters's QB #7 L\xE9on Brandt gives to HB #22 Dario Vance. Dario Vance runs for a gain "
           "of 4 yards. Dario Vance is tackled by Rams's DT #91 Ike Parra.")},
     {"L\xE9on Brandt (Otters)", "Dario Vance (Otters) rushAttempts 1 rushYards 4",
      "Ike Parra (Rams) tackles 1"},
     {"Otters|Dive|0 yards 4 calls 1", "Rams|Base|3 calls 1 runsFaced 1 runYardsAllowed 4"}},
    {"AKeeper",
     {1, 0},
     {Dive("Otters's QB #7 Al Cole keeps the ball and runs for a loss of almost 3 yards. Al Cole "
           "is tackled by Rams's DE #97 Nate Brooks.")},
     {"Al Cole (Otters) rushAttempts 1 rushYards -3", "Nate Brooks (Rams) tackles 1"},
     {"Otters|Dive|0 yards -3 calls 1", "Rams|Base|3 calls 1 runsFaced 1 runYardsAllowed -3"}},
    // The call keeps the yards up to the fumble that the defense took; its return is only
    // the recoverer's.
    {"AFumbleRecoveredByTheDefense",
     {1, 0},
     {Dive("Otters's HB #22 Dario Vance runs for a gain of 2 yards and fumbles the ball. The ball "
           "is recovered by Rams's DE #97 Nate Brooks. Nate Brooks runs for a gain of 5 yards. "
           "Nate Brooks is tackled by Otters's WR #81 Tom St. Clair.")},
     {"Dario Vance (Otters) fumbles 1 rushAttempts 1 rushYards 2",
      "Nate Brooks (Rams) fumbleRecoveries 1 rushYards 5", "Tom St. Clair (Otters) tackles 1"},
     {"Otters|Dive|0 yards 2 calls 1 fumbles 1",
      "Rams|Base|3 calls 1 fumbles 1 runsFaced 1 runYardsAllowed 2"}},
    // The defense's touchdown is neither the run call's touchdown nor its points, nor the
    // returner's rushing touchdown; the one the offense's team-mate scores after a
    // recovery is all three.
    {"FumblesReturnedForTouchdownsByEitherSide",
     {2, 0},
     {Dive("Otters's HB #22 Dario Vance runs for a gain of 2 yards and fumbles the ball. The ball "
           "is recovered by Rams's DE #97 Nate Brooks. Nate Brooks runs for a gain of 60 yards. "
           "Touchdown, Rams!"),
      Dive("Otters's HB #22 Dario Vance runs for a gain of 8 yards and fumbles the ball. The ball "
           "is recovered by Otters's G #73 Theo Ito. Theo Ito runs for a gain of 3 yards. "
           "Touchdown, Otters!")},
     {"Dario Vance (Otters) fumbles 2 rushAttempts 2 rushYards 10",
      "Nate Brooks (Rams) touchdowns 1 fumbleRecoveries 1 rushYards 60",
      "Theo Ito (Otters) touchdowns 1 fumbleRecoveries 1 rushYards 3 rushTouchdowns 1"},
     {"Otters|Dive|0 yards 13 calls 2 fumbles 2 touchdowns 1 defTouchdowns 1 points 6",
      "Rams|Base|3 calls 2 fumbles 2 touchdowns 1 defTouchdowns 1 runsFaced 2 runYardsAllowed "
      "13"}},
    // A recovery by the offense, or by someone who cannot be told, adds its return to the
    // carry: 4 + 0, -1 + 3 and 2 + 5.
    {"FumblesRecoveredByATeamMateTheRunnerAndNoOneKnown",
     {3, 0},
     {Dive("Otters's QB #7 Al Cole gives to HB #22 Dario Vance. Dario Vance runs for a gain of 4 "
           "yards and fumbles the ball. The ball is recovered by G #73 Theo Ito. Theo Ito runs for "
           "a short gain."),
      Dive("Otters's HB #22 Dario Vance runs for a loss of 1 yard and fumbles the ball. The ball "
           "is recovered by Dario Vance. Dario Vance runs for a gain of 3 yards. Dario Vance is "
           "tackled by Rams's LB #54 Sam Okafor."),
      Dive("Otters's HB #30 Cal Ruddock runs for a gain of 2 yards and fumbles the ball. The ball "
           "is recovered by Rams's #. Somebody runs for a gain of 5 yards.")},
     {"Al Cole (Otters)",
      "Dario Vance (Otters) fumbles 2 fumbleRecoveries 1 rushAttempts 2 rushYards 6",
      "Theo Ito (Otters) fumbleRecoveries 1", "Sam Okafor (Rams) tackles 1",
      "Cal Ruddock (Otters) fumbles 1 rushAttempts 1 rushYards 2"},
     {"Otters|Dive|0 yards 13 calls 3 fumbles 3",
      "Rams|Base|3 calls 3 fumbles 3 runsFaced 3 runYardsAllowed 13"}},
    {"AFumbleWithoutARecoverySentence",
     {1, 0},
     {Dive("Otters's HB #22 Dario Vance runs for a gain of 2 yards and fumbles the ball. The ball "
           "rolls away. Dario Vance is tackled by Rams's LB #54 Sam Okafor.")},
     {"Dario Vance (Otters) fumbles 1 rushAttempts 1 rushYards 2", "Sam Okafor (Rams) tackles 1"},
     {"Otters|Dive|0 yards 2 calls 1 fumbles 1",
      "Rams|Base|3 calls 1 fumbles 1 runsFaced 1 runYardsAllowed 2"}},
    {"ARushingTouchdown",
     {1, 0},
     {Dive("Otters's HB #32 Marco Dunn runs for a gain of 70 yards. Touchdown, Otters!")},
     {"Marco Dunn (Otters) touchdowns 1 rushAttempts 1 rushYards 70 rushTouchdowns 1"},
     {"Otters|Dive|0 yards 70 calls 1 touchdowns 1 points 6",
      "Rams|Base|3 calls 1 touchdowns 1 runsFaced 1 runYardsAllowed 70"}},
    {"ATouchdownSentenceThatNamesADown",
     {1, 0},
     {Dive("Otters's HB #32 Marco Dunn runs for a gain of 9 yards. First down and Touchdown, "
           "Otters!")},
     {"Marco Dunn (Otters) rushAttempts 1 rushYards 9"},
     {"Otters|Dive|0 yards 9 calls 1", "Rams|Base|3 calls 1 runsFaced 1 runYardsAllowed 9"}},
    {"AKneelDown",
     {1, 0},
     {Dive("Otters's QB #1 Moe Zimmer downs the ball.")},
     {},
     {"Otters|Dive|0 calls 1", "Rams|Base|3 calls 1 runsFaced 1"}},
    {"ACarrierWhoGoesOutOfBounds",
     {1, 0},
     {Dive("Otters's HB #35 Roy Crowley runs for a gain of 2 yards and goes out of bounds. Roy "
           "Crowley is pushed out of bounds.")},
     {"Roy Crowley (Otters) rushAttempts 1 rushYards 2"},
     {"Otters|Dive|0 yards 2 calls 1", "Rams|Base|3 calls 1 runsFaced 1 runYardsAllowed 2"}},
    {"AFumbleWithThePassPhrase",
     {1, 0},
     {Dive("Otters's QB #7 Al Cole fumbles the ball after The pass from the shotgun.")},
     {"Al Cole (Otters) rushAttempts 1"},
     {"Otters|Dive|0 calls 1", "Rams|Base|3 calls 1 runsFaced 1"}},
    {"ACompletion",
     {0, 1},
     {Slant("The pass from Otters's QB #7 Al Cole is caught by WR #81 Tom St. Clair for a gain of "
            "12 yards. Tom St. Clair is tackled by Rams's CB #24 Rory Hale.")},
     {"Al Cole (Otters) passAttempts 1 completions 1 passYards 12",
      "Tom St. Clair (Otters) receptions 1 receivingYards 12", "Rory Hale (Rams) tackles 1"},
     {"Otters|Slant|1 yards 12 calls 1 completions 1",
      "Rams|Cover 2|3 calls 1 passesFaced 1 passYardsAllowed 12"}},
    {"ACompletionForAShortGain",
     {0, 1},
     {Slant("The pass from Otters's QB #7 Al Cole is caught by TE #88 Ivo Sand for a short gain.")},
     {"Al Cole (Otters) passAttempts 1 completions 1", "Ivo Sand (Otters) receptions 1"},
     {"Otters|Slant|1 calls 1 completions 1", "Rams|Cover 2|3 calls 1 passesFaced 1"}},
    {"ACompletionForAShortLoss",
     {0, 1},
     {Slant("The pass from Otters's QB #7 Al Cole is caught by TE #88 Ivo Sand for a short loss.")},
     {"Al Cole (Otters) passAttempts 1 completions 1", "Ivo Sand (Otters) receptions 1"},
     {"Otters|Slant|1 calls 1 completions 1", "Rams|Cover 2|3 calls 1 passesFaced 1"}},
    {"ACompletionForALossOfJustOver",
     {0, 1},
     {Slant("The pass from Otters's QB #7 Al Cole is caught by TE #88 Ivo Sand for a loss of just "
            "over 4 yards.")},
     {"Al Cole (Otters) passAttempts 1 completions 1 passYards -4",
      "Ivo Sand (Otters) receptions 1 receivingYards -4"},
     {"Otters|Slant|1 yards -4 calls 1 completions 1",
      "Rams|Cover 2|3 calls 1 passesFaced 1 passYardsAllowed -4"}},
    {"AnIncompletePass",
     {0, 1},
     {Slant("The pass from Otters's QB #7 Al Cole was incomplete.")},
     {"Al Cole (Otters) passAttempts 1"},
     {"Otters|Slant|1 calls 1", "Rams|Cover 2|3 calls 1 passesFaced 1"}},
    {"APassWithoutAnOutcome",
     {0, 1},
     {Slant("The pass from Otters's QB #7 Al Cole sails away.")},
     {},
     {"Otters|Slant|1 calls 1", "Rams|Cover 2|3 calls 1 passesFaced 1"}},
    {"AKnockDown",
     {0, 1},
     {Slant("The pass from Otters's QB #7 Al Cole was knocked down by Rams's S #30 Otis Baker.")},
     {"Al Cole (Otters) passAttempts 1", "Otis Baker (Rams) knockdowns 1"},
     {"Otters|Slant|1 calls 1", "Rams|Cover 2|3 calls 1 passesFaced 1"}},
    {"AKnockDownWithoutTheDefendersSide",
     {0, 1},
     {Slant("The pass from Otters's QB #7 Al Cole was knocked down by DE #93 Gil Norwood.")},
     {"Al Cole (Otters) passAttempts 1"},
     {"Otters|Slant|1 calls 1", "Rams|Cover 2|3 calls 1 passesFaced 1"}},
    {"AnInterceptionReturnedForATouchdown",
     {0, 1},
     {Slant("The pass from Otters's QB #7 Al Cole is intercepted by Rams's CB #34 Bob Walsh and "
            "returned it for a gain of 51 yards. Touchdown, Rams!")},
     {"Al Cole (Otters) passAttempts 1 interceptionsThrown 1",
      "Bob Walsh (Rams) touchdowns 1 interceptions 1 interceptionYards 51"},
     {"Otters|Slant|1 calls 1 interceptions 1 defTouchdowns 1",
      "Rams|Cover 2|3 calls 1 interceptions 1 defTouchdowns 1 passesFaced 1"}},
    {"AnInterceptionAndATackle",
     {0, 1},
     {Slant("The pass from Otters's QB #7 Al Cole is intercepted by Rams's S #29 Wes Varga. Wes "
            "Varga is tackled by Otters's QB #7 Al Cole.")},
     {"Al Cole (Otters) tackles 1 passAttempts 1 interceptionsThrown 1",
      "Wes Varga (Rams) interceptions 1"},
     {"Otters|Slant|1 calls 1 interceptions 1",
      "Rams|Cover 2|3 calls 1 interceptions 1 passesFaced 1"}},
    {"APassingTouchdown",
     {0, 1},
     {Slant("The pass from Otters's QB #7 Al Cole is caught by HB #32 Reggie Carter for a gain of "
            "24 yards. Touchdown, Otters!")},
     {"Al Cole (Otters) passAttempts 1 completions 1 passTouchdowns 1 passYards 24",
      "Reggie Carter (Otters) touchdowns 1 receptions 1 receivingYards 24 receivingTouchdowns 1"},
     {"Otters|Slant|1 yards 24 calls 1 completions 1 touchdowns 1 points 6",
      "Rams|Cover 2|3 calls 1 touchdowns 1 passesFaced 1 passYardsAllowed 24"}},
    {"ASack",
     {0, 1},
     {"Otters's QB #7 Al Cole is sacked by Rams's DE #97 Nate Brooks for a loss of 7 yards. That "
      "was Deep Post (30) against Rams's Blitz (9)."},
     {"Al Cole (Otters) sacks 1", "Nate Brooks (Rams) sacks 1"},
     {"Otters|Deep Post|1 calls 1 sacks 1", "Rams|Blitz|3 calls 1 sacks 1 passesFaced 1"}},
    {"ASackForASafety",
     {0, 1},
     {"Otters's QB #7 Al Cole is sacked by Rams's LB #87 Stu Jones for a loss of 22 yards. Safety, "
      "Rams! That was Curl (3) against Rams's Blitz (9)."},
     {"Al Cole (Otters) sacks 1", "Stu Jones (Rams) sacks 1"},
     {"Otters|Curl|1 calls 1 sacks 1 safeties 1",
      "Rams|Blitz|3 calls 1 sacks 1 safeties 1 passesFaced 1"}},
    {"APlayCalledBack",
     {0, 0},
     {"The pass from Otters's QB #7 Al Cole is caught by TE #88 Ivo Sand for a gain of 20 yards. "
      "The play is called back for holding. That was Seam (26) against Rams's Dime (12)."},
     {},
     {}},
    {"AnUnrecognisedPlay",
     {0, 0},
     {"Otters's QB #2 Max Walsh spikes the ball to stop the clock. That was Spike (11) against "
      "Rams's Cover 3 (29)."},
     {},
     {"Otters|Spike|5 calls 1", "Rams|Cover 3|3 calls 1"},
     {},
     {"ERROR parsing statement (line "}},
    {"ATouchdownWithNoBallHandler",
     {0, 0},
     {"A trick play. Touchdown, Otters! That was Trick (1) against Rams's Base (2)."},
     {},
     {"Otters|Trick|5 calls 1 points 6", "Rams|Base|3 calls 1"},
     {"Cannot find ball handler: Touchdown, Otters!\n"},
     {"ERROR parsing statement (line "}},
    {"AnInjury",
     {1, 0},
     {"Otters's HB #22 Dario Vance runs for a gain of 3 yards. Rams's LB #5 Al Bo is injured on "
      "the play. That was Dive (1) against Rams's Base (2)."},
     {"Dario Vance (Otters) rushAttempts 1 rushYards 3"},
     {"Otters|Dive|0 yards 3 calls 1", "Rams|Base|3 calls 1 runsFaced 1 runYardsAllowed 3"}},
    // The passer has no number: only the receiver is credited.
    {"AReferenceThatCannotBeRead",
     {0, 1},
     {"The pass from Otters's Al Cole is caught by TE #88 Ivo Sand for a gain of 9 yards. That was "
      "Slant (1) against Rams's Base (2)."},
     {"Ivo Sand (Otters) receptions 1 receivingYards 9"},
     {"Otters|Slant|1 yards 9 calls 1 completions 1",
      "Rams|Base|3 calls 1 passesFaced 1 passYardsAllowed 9"}},
};

class PlayStatement : public PlayFixture, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(PlayStatement, LeavesExactlyWhatThePlayTold) { ExpectCase(GetParam(), 1); }

INSTANTIATE_TEST_SUITE_P(Plays, PlayStatement, ::testing::ValuesIn(kPlays), CaseName);

TEST_F(PlayFixture, TheRunnersReferenceGivesPositionAndNumber) {
    OttersPlay(Dive("Otters's HB #22 Dario Vance runs for a gain of 7 yards."));
    EXPECT_EQ(Player("Dario Vance").position, "HB");
    EXPECT_EQ(Player("Dario Vance").number, 22);
}

TEST_F(PlayFixture, EveryRunPhraseGivesItsSignedYards) {
    struct Case {
        const char* phrase;
        int yards;
    };
    for (Case c :
         {Case{"runs for a gain of almost 5 yards", 5},
          Case{"runs for a gain of just over 12 yards", 12}, Case{"runs for a gain of 1 yard", 1},
          Case{"runs for a short gain", 0}, Case{"runs for a loss of almost 3 yards", -3},
          Case{"runs for a loss of just over 2 yards", -2}, Case{"runs for a short loss", 0},
          Case{"runs for a loss of 4 yards", -4}, Case{"runs for a gain of many yards", 0}}) {
        roster.Clear();
        playCalls.Clear();
        OttersPlay(Dive(std::string("Otters's HB #22 Dario Vance ") + c.phrase + "."));
        EXPECT_EQ(Player("Dario Vance").rushYards, c.yards) << c.phrase;
        EXPECT_EQ(Call("Otters|Dive|0").yards, c.yards) << c.phrase;
    }
}

TEST_F(PlayFixture, ThePassingSideComesFromThePassSentence) {
    // The situation named the other club; the pass sentence decides whose play it was.
    Situation("Rams", "Otters");
    Parse(Slant("The pass from Otters's QB #7 Al Cole was incomplete."));
    EXPECT_EQ(Player("Al Cole").team, "Otters");
    EXPECT_EQ(totals[0].name, "Rams");
    EXPECT_EQ(totals[1].counts[0][2][1], 1);             // counted for the Otters
    EXPECT_NE(playCalls.Find("Rams|Slant|1"), nullptr);  // the call keeps the situation's club
}

// Every statement of a whole game, cut short at every length: odd text must never read
// outside a statement or stop the reading. Meant for the sanitizer build, which is what
// catches a read out of bounds here.
TEST(PlayParserRobustness, StatementsCutAtEveryLengthNeverCrash) {
    std::string bytes, error;
    ASSERT_TRUE(
        ReadFileBytes(GRIDTALLY_TEST_DATA_DIR "/harbor-city-vs-ironmen.log", bytes, &error));
    std::vector<std::string> statements;
    ReadLogStatements(bytes, [&](Statement& s, StatementSpan) { statements.push_back(s); });
    ASSERT_GT(statements.size(), 300u);

    LogParse parse(NoDiagnostics());
    PlayCallTable table;
    PlayerRoster roster;
    std::array<TeamTotals, 2> totals;
    for (const std::string& whole : statements) {
        for (std::size_t length = 0; length <= whole.size(); ++length) {
            Statement cut = whole.substr(0, length);
            ParseStatement(cut, parse, table, roster, totals);
        }
    }
    EXPECT_FALSE(roster.empty());
}

}  // namespace
}  // namespace gridtally
