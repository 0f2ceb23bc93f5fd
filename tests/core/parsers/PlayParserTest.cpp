#include "PlayFixture.h"
#include "text/FileBytes.h"
#include "model/LogReader.h"
#include "parsers/StatementParser.h"
#include "parsers/PlayParser.h"

namespace gridtally {
namespace {

constexpr const char* kCall = " That was Dive (12) against Rams's Base (1).";

using RunTest = PlayFixture;

TEST_F(RunTest, APlainCarryCreditsRunnerTacklerAndTheCall) {
    EXPECT_EQ(OttersPlay(std::string("Otters's HB #22 Dario Vance runs for a gain of 7 yards. "
                                     "Dario Vance is tackled by Rams's LB #54 Sam Okafor.") +
                         kCall),
              StatementKind::Play);
    const PlayerRec& runner = Player("Dario Vance");
    EXPECT_EQ(runner.team, "Otters");
    EXPECT_EQ(runner.position, "HB");
    EXPECT_EQ(runner.number, 22);
    EXPECT_EQ(runner.rushAttempts, 1);
    EXPECT_EQ(runner.rushYards, 7);
    EXPECT_EQ(Player("Sam Okafor").tackles, 1);
    EXPECT_EQ(Player("Sam Okafor").team, "Rams");
    EXPECT_EQ(Call("Otters|Dive|0").yards, 7);
    EXPECT_EQ(Call("Rams|Base|3").runYardsAllowed, 7);
    EXPECT_EQ(totals[0].counts[0][2][0], 1);
    EXPECT_TRUE(capture.stderrMessages().empty());
}

TEST_F(RunTest, EveryRunPhraseGivesItsSignedYards) {
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
        OttersPlay(std::string("Otters's HB #22 Dario Vance ") + c.phrase + "." + kCall);
        EXPECT_EQ(Player("Dario Vance").rushYards, c.yards) << c.phrase;
        EXPECT_EQ(Call("Otters|Dive|0").yards, c.yards) << c.phrase;
    }
}

TEST_F(RunTest, AHandOffCreditsTheBallCarrierOnly) {
    OttersPlay(std::string("Otters's QB #7 L\xE9on Brandt gives to HB #22 Dario Vance. Dario "
                           "Vance runs for a gain of 4 yards. Dario Vance is tackled by Rams's "
                           "DT #91 Ike Parra.") +
               kCall);
    const PlayerRec& qb = Player("L\xE9on Brandt");
    EXPECT_EQ(qb.rushAttempts, 0);
    EXPECT_EQ(qb.team, "Otters");
    EXPECT_EQ(Player("Dario Vance").rushAttempts, 1);
    EXPECT_EQ(Player("Dario Vance").rushYards, 4);
    EXPECT_EQ(Player("Ike Parra").tackles, 1);
    EXPECT_EQ(roster.at(0)->name, "L\xE9on Brandt");  // met first, so listed first
}

TEST_F(RunTest, AKeeperReadsItsYardsFromTheSameSentence) {
    OttersPlay(std::string("Otters's QB #7 Al Cole keeps the ball and runs for a loss of almost "
                           "3 yards. Al Cole is tackled by Rams's DE #97 Nate Brooks.") +
               kCall);
    EXPECT_EQ(Player("Al Cole").rushAttempts, 1);
    EXPECT_EQ(Player("Al Cole").rushYards, -3);
    EXPECT_EQ(Player("Nate Brooks").tackles, 1);
}

TEST_F(RunTest, AFumbleRecoveredByTheDefenseIsReturned) {
    OttersPlay(std::string("Otters's HB #22 Dario Vance runs for a gain of 2 yards and fumbles "
                           "the ball. The ball is recovered by Rams's DE #97 Nate Brooks. Nate "
                           "Brooks runs for a gain of 5 yards. Nate Brooks is tackled by "
                           "Otters's WR #81 Tom St. Clair.") +
               kCall);
    const PlayerRec& runner = Player("Dario Vance");
    EXPECT_EQ(runner.rushAttempts, 1);
    EXPECT_EQ(runner.rushYards, 2);
    EXPECT_EQ(runner.fumbles, 1);
    const PlayerRec& recoverer = Player("Nate Brooks");
    EXPECT_EQ(recoverer.fumbleRecoveries, 1);
    EXPECT_EQ(recoverer.rushYards, 5);
    EXPECT_EQ(recoverer.rushAttempts, 0);
    EXPECT_EQ(recoverer.team, "Rams");
    EXPECT_EQ(Player("Tom St. Clair").tackles, 1);
    EXPECT_EQ(Call("Otters|Dive|0").fumbles, 1);
    EXPECT_EQ(Call("Otters|Dive|0").yards, 5);
    EXPECT_EQ(Call("Rams|Base|3").fumbles, 1);
}

TEST_F(RunTest, AFumbleRecoveredByATeamMateOrTheRunnerHimself) {
    OttersPlay(std::string("Otters's QB #7 Al Cole gives to HB #22 Dario Vance. Dario Vance "
                           "runs for a gain of 4 yards and fumbles the ball. The ball is "
                           "recovered by G #73 Theo Ito. Theo Ito runs for a short gain.") +
               kCall);
    EXPECT_EQ(Player("Theo Ito").fumbleRecoveries, 1);
    EXPECT_EQ(Player("Theo Ito").team, "Otters");

    OttersPlay(std::string("Otters's HB #22 Dario Vance runs for a loss of 1 yard and fumbles "
                           "the ball. The ball is recovered by Dario Vance. Dario Vance runs for "
                           "a gain of 3 yards. Dario Vance is tackled by Rams's LB #54 Sam "
                           "Okafor.") +
               kCall);
    const PlayerRec& runner = Player("Dario Vance");
    EXPECT_EQ(runner.fumbles, 2);
    EXPECT_EQ(runner.fumbleRecoveries, 1);
    EXPECT_EQ(runner.rushYards, 4 - 1 + 3);
    EXPECT_EQ(Player("Sam Okafor").tackles, 1);
}

TEST_F(RunTest, AFumbleWithoutARecoverySentenceLeavesTheTackleOneFurther) {
    OttersPlay(std::string("Otters's HB #22 Dario Vance runs for a gain of 2 yards and fumbles "
                           "the ball. The ball rolls away. Dario Vance is tackled by Rams's LB "
                           "#54 Sam Okafor.") +
               kCall);
    EXPECT_EQ(Player("Dario Vance").fumbles, 1);
    EXPECT_EQ(Player("Sam Okafor").tackles, 1);
}

TEST_F(RunTest, ARushingTouchdownCountsForRunnerAndCall) {
    OttersPlay(std::string("Otters's HB #32 Marco Dunn runs for a gain of 70 yards. "
                           "Touchdown, Otters!") +
               kCall);
    const PlayerRec& runner = Player("Marco Dunn");
    EXPECT_EQ(runner.touchdowns, 1);
    EXPECT_EQ(runner.rushTouchdowns, 1);
    EXPECT_EQ(Call("Otters|Dive|0").touchdowns, 1);
    EXPECT_EQ(Call("Otters|Dive|0").points, 6);
    EXPECT_EQ(Call("Rams|Base|3").touchdowns, 1);
}

TEST_F(RunTest, ATouchdownSentenceThatAlsoNamesADownIsPassedOver) {
    OttersPlay(std::string("Otters's HB #32 Marco Dunn runs for a gain of 9 yards. First down "
                           "and Touchdown, Otters!") +
               kCall);
    EXPECT_EQ(Player("Marco Dunn").touchdowns, 0);
    EXPECT_EQ(Call("Otters|Dive|0").points, 0);
}

TEST_F(RunTest, AKneelDownIsARunThatCreditsNobody) {
    EXPECT_EQ(OttersPlay(std::string("Otters's QB #1 Moe Zimmer downs the ball.") + kCall),
              StatementKind::Play);
    EXPECT_TRUE(roster.empty());
    EXPECT_EQ(Call("Otters|Dive|0").calls, 1);
    EXPECT_EQ(totals[0].counts[0][2][0], 1);
}

TEST_F(RunTest, ACarrierWhoGoesOutOfBoundsIsStillARun) {
    OttersPlay(std::string("Otters's HB #35 Roy Crowley runs for a gain of 2 yards and goes out "
                           "of bounds. Roy Crowley is pushed out of bounds.") +
               kCall);
    EXPECT_EQ(Player("Roy Crowley").rushAttempts, 1);
    EXPECT_EQ(Player("Roy Crowley").rushYards, 2);
    EXPECT_NE(playCalls.Find("Otters|Dive|0"), nullptr);
    EXPECT_EQ(totals[0].counts[0][2][0], 1);
}

TEST_F(RunTest, AFumbleWithThePassPhraseIsARun) {
    OttersPlay(std::string("Otters's QB #7 Al Cole fumbles the ball after The pass from the "
                           "shotgun.") +
               kCall);
    EXPECT_EQ(Player("Al Cole").rushAttempts, 1);
    EXPECT_EQ(Player("Al Cole").passAttempts, 0);
    EXPECT_NE(playCalls.Find("Otters|Dive|0"), nullptr);
}

using PassTest = PlayFixture;

constexpr const char* kPassCall = " That was Slant (21) against Rams's Cover 2 (14).";

TEST_F(PassTest, ACompletionCreditsPasserReceiverAndTackler) {
    OttersPlay(std::string("The pass from Otters's QB #7 Al Cole is caught by WR #81 Tom St. "
                           "Clair for a gain of 12 yards. Tom St. Clair is tackled by Rams's CB "
                           "#24 Rory Hale.") +
               kPassCall);
    const PlayerRec& passer = Player("Al Cole");
    EXPECT_EQ(passer.passAttempts, 1);
    EXPECT_EQ(passer.completions, 1);
    EXPECT_EQ(passer.passYards, 12);
    const PlayerRec& receiver = Player("Tom St. Clair");
    EXPECT_EQ(receiver.receptions, 1);
    EXPECT_EQ(receiver.receivingYards, 12);
    EXPECT_EQ(receiver.team, "Otters");
    EXPECT_EQ(Player("Rory Hale").tackles, 1);
    const PlayCallRec& call = Call("Otters|Slant|1");
    EXPECT_EQ(call.completions, 1);
    EXPECT_EQ(call.yards, 12);
    EXPECT_EQ(Call("Rams|Cover 2|3").passesFaced, 1);
    EXPECT_EQ(Call("Rams|Cover 2|3").passYardsAllowed, 12);
    EXPECT_EQ(totals[0].counts[0][2][1], 1);
}

TEST_F(PassTest, ShortGainsAndLossesAreCompletionsOfNoYards) {
    for (const char* phrase : {"for a short gain", "for a short loss"}) {
        roster.Clear();
        OttersPlay(std::string("The pass from Otters's QB #7 Al Cole is caught by TE #88 Ivo "
                               "Sand ") +
                   phrase + "." + kPassCall);
        EXPECT_EQ(Player("Al Cole").passAttempts, 1) << phrase;
        EXPECT_EQ(Player("Al Cole").completions, 1) << phrase;
        EXPECT_EQ(Player("Ivo Sand").receptions, 1) << phrase;
        EXPECT_EQ(Player("Ivo Sand").receivingYards, 0) << phrase;
    }
    OttersPlay(std::string("The pass from Otters's QB #7 Al Cole is caught by TE #88 Ivo Sand "
                           "for a loss of just over 4 yards.") +
               kPassCall);
    EXPECT_EQ(Player("Al Cole").passYards, -4);
}

TEST_F(PassTest, IncompleteAndUnknownOutcomes) {
    EXPECT_EQ(
        OttersPlay(std::string("The pass from Otters's QB #7 Al Cole was incomplete.") + kPassCall),
        StatementKind::Play);
    EXPECT_EQ(Player("Al Cole").passAttempts, 1);
    EXPECT_EQ(Player("Al Cole").completions, 0);

    // No outcome phrase: nothing is credited, but the play is still a pass.
    OttersPlay(std::string("The pass from Otters's QB #7 Al Cole sails away.") + kPassCall);
    EXPECT_EQ(Player("Al Cole").passAttempts, 1);
    EXPECT_EQ(Call("Otters|Slant|1").calls, 2);
    EXPECT_EQ(totals[0].counts[0][2][1], 2);
    EXPECT_TRUE(capture.stderrMessages().empty());
}

TEST_F(PassTest, AKnockDownNeedsTheDefendersSide) {
    OttersPlay(std::string("The pass from Otters's QB #7 Al Cole was knocked down by Rams's S "
                           "#30 Otis Baker.") +
               kPassCall);
    EXPECT_EQ(Player("Otis Baker").knockdowns, 1);
    OttersPlay(std::string("The pass from Otters's QB #7 Al Cole was knocked down by DE #93 Gil "
                           "Norwood.") +
               kPassCall);
    EXPECT_EQ(FindPlayerByName(roster, "Gil Norwood"), nullptr);
    EXPECT_EQ(Player("Al Cole").passAttempts, 2);
}

TEST_F(PassTest, AnInterceptionReturnedForATouchdownIsTheDefensesTouchdown) {
    OttersPlay(std::string("The pass from Otters's QB #7 Al Cole is intercepted by Rams's CB "
                           "#34 Bob Walsh and returned it for a gain of 51 yards. Touchdown, "
                           "Rams!") +
               kPassCall);
    const PlayerRec& passer = Player("Al Cole");
    EXPECT_EQ(passer.passAttempts, 1);
    EXPECT_EQ(passer.interceptionsThrown, 1);
    EXPECT_EQ(passer.passTouchdowns, 0);
    const PlayerRec& returner = Player("Bob Walsh");
    EXPECT_EQ(returner.interceptions, 1);
    EXPECT_EQ(returner.interceptionYards, 51);
    EXPECT_EQ(returner.touchdowns, 1);
    EXPECT_EQ(returner.receivingTouchdowns, 0);
    const PlayCallRec& call = Call("Otters|Slant|1");
    EXPECT_EQ(call.interceptions, 1);
    EXPECT_EQ(call.defTouchdowns, 1);
    EXPECT_EQ(call.touchdowns, 0);
    EXPECT_EQ(call.points, 6);
    EXPECT_EQ(Call("Rams|Cover 2|3").defTouchdowns, 1);
}

TEST_F(PassTest, AnInterceptionWithoutReturnAndWithATackle) {
    OttersPlay(std::string("The pass from Otters's QB #7 Al Cole is intercepted by Rams's S #29 "
                           "Wes Varga. Wes Varga is tackled by Otters's QB #7 Al Cole.") +
               kPassCall);
    EXPECT_EQ(Player("Wes Varga").interceptions, 1);
    EXPECT_EQ(Player("Wes Varga").interceptionYards, 0);
    EXPECT_EQ(Player("Al Cole").tackles, 1);
}

TEST_F(PassTest, APassingTouchdownCountsForPasserReceiverAndCall) {
    OttersPlay(std::string("The pass from Otters's QB #7 Al Cole is caught by HB #32 Reggie "
                           "Carter for a gain of 24 yards. Touchdown, Otters!") +
               kPassCall);
    EXPECT_EQ(Player("Al Cole").passTouchdowns, 1);
    EXPECT_EQ(Player("Al Cole").touchdowns, 0);
    EXPECT_EQ(Player("Reggie Carter").touchdowns, 1);
    EXPECT_EQ(Player("Reggie Carter").receivingTouchdowns, 1);
    EXPECT_EQ(Call("Otters|Slant|1").touchdowns, 1);
}

TEST_F(PassTest, ThePassingSideComesFromThePassSentence) {
    // The situation named the other club; the pass sentence decides whose play it was.
    Situation("Rams", "Otters");
    Parse(std::string("The pass from Otters's QB #7 Al Cole was incomplete.") + kPassCall);
    EXPECT_EQ(Player("Al Cole").team, "Otters");
    EXPECT_EQ(totals[0].name, "Rams");
    EXPECT_EQ(totals[1].counts[0][2][1], 1);             // counted for the Otters
    EXPECT_NE(playCalls.Find("Rams|Slant|1"), nullptr);  // the call keeps the situation's club
}

using SackTest = PlayFixture;

TEST_F(SackTest, CountsForPasserAndSackerButNoAttemptOrYards) {
    EXPECT_EQ(OttersPlay("Otters's QB #7 Al Cole is sacked by Rams's DE #97 Nate Brooks for a "
                         "loss of 7 yards. That was Deep Post (30) against Rams's Blitz (9)."),
              StatementKind::Play);
    EXPECT_EQ(Player("Al Cole").sacks, 1);
    EXPECT_EQ(Player("Al Cole").passAttempts, 0);
    EXPECT_EQ(Player("Al Cole").passYards, 0);
    EXPECT_EQ(Player("Nate Brooks").sacks, 1);
    EXPECT_EQ(Call("Otters|Deep Post|1").sacks, 1);
    EXPECT_EQ(Call("Otters|Deep Post|1").yards, 0);
    EXPECT_EQ(Call("Rams|Blitz|3").sacks, 1);
    EXPECT_EQ(totals[0].counts[0][2][1], 1);
}

TEST_F(SackTest, ASackForASafety) {
    OttersPlay(
        "Otters's QB #7 Al Cole is sacked by Rams's LB #87 Stu Jones for a loss of 22 "
        "yards. Safety, Rams! That was Curl (3) against Rams's Blitz (9).");
    EXPECT_EQ(Call("Otters|Curl|1").safeties, 1);
    EXPECT_EQ(Call("Rams|Blitz|3").safeties, 1);
    EXPECT_EQ(Call("Otters|Curl|1").points, 0);
}

using PlayStatementTest = PlayFixture;

TEST_F(PlayStatementTest, CalledBackPlaysCreditNothing) {
    OttersPlay(
        "The pass from Otters's QB #7 Al Cole is caught by TE #88 Ivo Sand for a gain of "
        "20 yards. The play is called back for holding. That was Seam (26) against "
        "Rams's Dime (12).");
    EXPECT_TRUE(roster.empty());
    EXPECT_TRUE(playCalls.empty());
    EXPECT_EQ(totals[0].counts[0][2][1], 0);
    EXPECT_TRUE(capture.stderrMessages().empty());
}

TEST_F(PlayStatementTest, UnrecognisedPlaysAreReportedAndCreditedUnderKindFive) {
    OttersPlay(
        "Otters's QB #2 Max Walsh spikes the ball to stop the clock. That was Spike (11) "
        "against Rams's Cover 3 (29).");
    EXPECT_EQ(Call("Otters|Spike|5").calls, 1);
    EXPECT_EQ(Call("Rams|Cover 3|3").calls, 1);
    EXPECT_EQ(Call("Rams|Cover 3|3").runsFaced + Call("Rams|Cover 3|3").passesFaced, 0);
    ASSERT_EQ(capture.stderrMessages().size(), 1u);
    EXPECT_TRUE(capture.stderrMessages()[0].starts_with("ERROR parsing statement (line "));
}

TEST_F(PlayStatementTest, ATouchdownWithNoBallHandlerIsReported) {
    OttersPlay("A trick play. Touchdown, Otters! That was Trick (1) against Rams's Base (2).");
    EXPECT_EQ(capture.stdoutMessages(),
              std::vector<std::string>{"Cannot find ball handler: Touchdown, Otters!\n"});
    EXPECT_EQ(Call("Otters|Trick|5").points, 6);
}

TEST_F(PlayStatementTest, InjuriesAndDownSentencesArePassedOver) {
    OttersPlay(
        "Otters's HB #22 Dario Vance runs for a gain of 3 yards. Rams's LB #5 Al Bo is "
        "injured on the play. That was Dive (1) against Rams's Base (2).");
    EXPECT_EQ(Player("Dario Vance").rushYards, 3);
    EXPECT_EQ(FindPlayerByName(roster, "Al Bo"), nullptr);
}

TEST_F(PlayStatementTest, AReferenceThatCannotBeReadSkipsOnlyItsOwnCredits) {
    OttersPlay(
        "The pass from Otters's Al Cole is caught by TE #88 Ivo Sand for a gain of 9 "
        "yards. That was Slant (1) against Rams's Base (2).");
    EXPECT_EQ(roster.size(), 1u);
    EXPECT_EQ(Player("Ivo Sand").receptions, 1);
    EXPECT_EQ(Call("Otters|Slant|1").yards, 9);
}

}  // namespace
}  // namespace gridtally

namespace gridtally {
namespace {

// Every statement of a whole game, cut short at every length: odd text must never
// read outside a statement (the sanitizer build catches that) or stop the reading.
TEST(PlayParserRobustness, StatementsCutAtEveryLengthAreReadWithoutFault) {
    std::string bytes, error;
    ASSERT_TRUE(ReadFileBytes(GRIDTALLY_TEST_DATA_DIR "/harbor-city-vs-ironmen.log", bytes, error));
    std::vector<std::string> statements;
    ReadLogStatements(bytes, [&](Statement& s) { statements.push_back(s); });
    ASSERT_GT(statements.size(), 300u);

    DiagnosticsCapture capture;
    PlayCallTable table;
    PlayerRoster roster;
    std::unique_ptr<GameState> state;
    std::array<TeamTotals, 2> totals;
    for (const std::string& whole : statements) {
        for (std::size_t length = 0; length <= whole.size(); ++length) {
            Statement cut = whole.substr(0, length);
            ParseStatement(cut, table, roster, state, totals);
        }
    }
    EXPECT_FALSE(roster.empty());
}

}  // namespace
}  // namespace gridtally
