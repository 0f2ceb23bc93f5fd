#include "PlayFixture.h"
#include "parsers/KickParser.h"

namespace gridtally {
namespace {

class KickTest : public PlayFixture {
protected:
    // A kick by the Otters, after a situation without a down.
    void OttersKick(const std::string& text) {
        Situation("Otters", "Rams", 0);
        EXPECT_EQ(Parse(text), StatementKind::Play);
        EXPECT_TRUE(capture.stderrMessages().empty()) << text;
    }
};

constexpr const char* kPuntCall = " That was Punt (40) against Rams's Punt Return (41).";

TEST_F(KickTest, APuntReturnedWithNetYardage) {
    OttersKick(std::string("Otters's P #4 Gus Lind punts 45 yards to Rams's WR #11 Eli Moss. Eli "
                           "Moss returns the kick for 10 yards. Net punt yardage was 35 yards. "
                           "Eli Moss is tackled by Otters's LB #50 Kurt Baines.") +
               kPuntCall);
    const PlayerRec& punter = Player("Gus Lind");
    EXPECT_EQ(punter.punts, 1);
    EXPECT_EQ(punter.puntGrossYards, 45);
    EXPECT_EQ(punter.puntNetYards, 35);
    const PlayerRec& returner = Player("Eli Moss");
    EXPECT_EQ(returner.team, "Rams");
    EXPECT_EQ(returner.puntReturns, 1);
    EXPECT_EQ(returner.puntReturnYards, 10);
    // The coverage tackler is met but credited nothing.
    EXPECT_EQ(Player("Kurt Baines").tackles, 0);
    EXPECT_EQ(Player("Kurt Baines").team, "Otters");
    EXPECT_EQ(state, nullptr);
    EXPECT_EQ(Call("Otters|Punt|2").yards, 35);
    EXPECT_EQ(Call("Rams|Punt Return|3").calls, 1);
    EXPECT_EQ(totals[0].counts[0][0][0] + totals[1].counts[0][0][0], 0);  // kicks are not counted
}

TEST_F(KickTest, APuntDownedByTheKickingSidesP1) {
    OttersKick(
        "Otters's K #3 Abel Moreau kicks off to Rams's HB #22 Dario Vance. Dario Vance "
        "returns the kick for 20 yards. Dario Vance is tackled by Otters's P1 #17 Carl "
        "Zimmer. That was Kickoff (4) against Rams's Return (7).");
    OttersKick(std::string("The ball is downed at the Rams 42 yard line. Net punt yardage was 40 "
                           "yards.") +
               kPuntCall);
    const PlayerRec& p1 = Player("Carl Zimmer");
    EXPECT_EQ(p1.punts, 1);
    EXPECT_EQ(p1.puntGrossYards, 40);
    EXPECT_EQ(p1.puntNetYards, 40);
}

TEST_F(KickTest, APuntPastTheGoalLineThatIsDownInTheEndZone) {
    OttersKick(std::string("Otters's P #19 Dwight Foster punts the ball past the goal line. The "
                           "ball is down in the end zone. Net punt yardage was 61 yards.") +
               kPuntCall);
    const PlayerRec& punter = Player("Dwight Foster");
    EXPECT_EQ(punter.punts, 1);
    EXPECT_EQ(punter.puntTouchbacks, 2);
    EXPECT_EQ(punter.puntNetYards, 61);
    EXPECT_EQ(punter.puntGrossYards, 61 + 20);
    EXPECT_EQ(Call("Otters|Punt|2").yards, 61);
}

TEST_F(KickTest, AFairCatchNetsThePuntDistance) {
    for (const char* after : {" The ball is spotted at the Rams 30 yard line.", ""}) {
        roster.Clear();
        OttersKick(std::string("Otters's P #4 Gus Lind punts 44 yards to Rams's WR #39  Gus "
                               "Pemberton. Gus Pemberton calls for the fair catch.") +
                   after + kPuntCall);
        EXPECT_EQ(Player("Gus Lind").puntNetYards, 44) << after;
        EXPECT_EQ(Player("Gus Lind").puntGrossYards, 44) << after;
        EXPECT_EQ(Player("Gus Pemberton").puntReturns, 1) << after;
        EXPECT_EQ(Player("Gus Pemberton").puntReturnYards, 0) << after;
    }
    // A fair catch with its net yardage counts that net once.
    roster.Clear();
    OttersKick(std::string("Otters's P #4 Gus Lind punts 51 yards to Rams's WR #18 Hank Moss. "
                           "Hank Moss calls for the fair catch. Net punt yardage was 51 yards.") +
               kPuntCall);
    EXPECT_EQ(Player("Gus Lind").puntNetYards, 51);
}

TEST_F(KickTest, APuntOutOfBoundsAndAPuntDownedInTheEndZone) {
    OttersKick(std::string("Otters's P #3 Theo Dixon punts the ball out of bounds. Net punt "
                           "yardage was 32 yards.") +
               kPuntCall);
    EXPECT_EQ(Player("Theo Dixon").punts, 1);
    EXPECT_EQ(Player("Theo Dixon").puntNetYards, 32);
    EXPECT_EQ(Player("Theo Dixon").puntGrossYards, 32);
    EXPECT_EQ(roster.size(), 1u);

    OttersKick(std::string("Otters's P #3 Theo Dixon punts 54 yards to Rams's WR #9 Max Moore. "
                           "Max Moore downs the ball in the end zone. Net punt yardage was 41 "
                           "yards.") +
               kPuntCall);
    EXPECT_EQ(Player("Theo Dixon").puntTouchbacks, 1);
    EXPECT_EQ(Player("Theo Dixon").puntGrossYards, 32 + 54);
    EXPECT_EQ(Player("Max Moore").puntReturns, 1);
}

TEST_F(KickTest, APuntReturnedForATouchdown) {
    OttersKick(std::string("Otters's P #3 Theo Dixon punts 48 yards to Rams's CB #35 Ike Jensen. "
                           "Ike Jensen returns the kick for 75 yards. Touchdown, Rams!") +
               kPuntCall);
    const PlayerRec& returner = Player("Ike Jensen");
    EXPECT_EQ(returner.touchdowns, 1);
    EXPECT_EQ(returner.puntReturnTouchdowns, 1);
    EXPECT_EQ(returner.kickReturnTouchdowns, 0);
    EXPECT_EQ(returner.puntReturnYards, 75);
    EXPECT_EQ(Call("Otters|Punt|2").points, 6);
}

TEST_F(KickTest, ABlockedPuntRecoveredByThePunter) {
    OttersKick(std::string("Otters's P #3 Theo Dixon's punt is blocked by Rams's  DE #93 Tyrone "
                           "Evans. The ball is recovered by Theo Dixon. Theo Dixon runs for a "
                           "loss of 4 yards.") +
               kPuntCall);
    const PlayerRec& punter = Player("Theo Dixon");
    EXPECT_EQ(punter.punts, 1);
    EXPECT_EQ(punter.puntsBlocked, 1);
    EXPECT_EQ(punter.fumbleRecoveries, 1);
    EXPECT_EQ(punter.rushYards, -4);
    EXPECT_EQ(Player("Tyrone Evans").kicksBlocked, 1);
    EXPECT_EQ(Call("Otters|Punt|2").yards, -4);
}

TEST_F(KickTest, ABlockedPuntRecoveredByTheBlockersSide) {
    OttersKick(std::string("Otters's P #6 Vic Hayes's punt is blocked by Rams's S #48 Nate Dunn. "
                           "The ball is recovered by Rams's S #48 Nate Dunn. Nate Dunn runs for a "
                           "gain of just over 3 yards.") +
               kPuntCall);
    const PlayerRec& blocker = Player("Nate Dunn");
    EXPECT_EQ(blocker.kicksBlocked, 1);
    EXPECT_EQ(blocker.fumbleRecoveries, 1);
    EXPECT_EQ(blocker.rushYards, 3);
    EXPECT_EQ(blocker.team, "Rams");
}

constexpr const char* kKickoffCall = " That was Deep Kick (3) against Rams's Return Middle (7).";

TEST_F(KickTest, AKickoffReturnedAndTackled) {
    OttersKick(std::string("Otters's K #3 Abel Moreau kicks off to Rams's HB #22 Dario Vance. "
                           "Dario Vance returns the kick for 24 yards. Dario Vance is tackled by "
                           "Otters's LB #54 Sam Okafor.") +
               kKickoffCall);
    EXPECT_EQ(Player("Abel Moreau").kickoffs, 1);
    EXPECT_EQ(Player("Dario Vance").kickReturns, 1);
    EXPECT_EQ(Player("Dario Vance").kickReturnYards, 24);
    EXPECT_EQ(Player("Sam Okafor").tackles, 0);
    EXPECT_EQ(Call("Otters|Deep Kick|2").calls, 1);
}

TEST_F(KickTest, AKickoffDownedInTheEndZoneAndOneReturnedForATouchdown) {
    OttersKick(std::string("Otters's K #3 Abel Moreau kicks off to Rams's WR #16 Stu Stone. Stu "
                           "Stone downs the ball in the end zone.") +
               kKickoffCall);
    EXPECT_EQ(Player("Stu Stone").kickReturns, 1);
    EXPECT_EQ(Player("Stu Stone").kickReturnYards, 0);
    EXPECT_EQ(Player("Abel Moreau").kickoffTouchbacks, 1);

    OttersKick(std::string("Otters's K #3 Abel Moreau kicks off to Rams's WR #13 Hank Vance. "
                           "Hank Vance returns the kick for 100 yards. Touchdown, Rams!") +
               kKickoffCall);
    EXPECT_EQ(Player("Hank Vance").kickReturnTouchdowns, 1);
    EXPECT_EQ(Player("Hank Vance").touchdowns, 1);
    EXPECT_EQ(Player("Abel Moreau").kickoffs, 2);
}

TEST_F(KickTest, TheReturnerNamedInTheKickSentenceScoresWithoutAReturnSentence) {
    OttersKick(std::string("Otters's K #3 Abel Moreau kicks off to Rams's WR #13 Hank Vance. "
                           "Touchdown, Rams!") +
               kKickoffCall);
    EXPECT_EQ(Player("Hank Vance").touchdowns, 1);
    EXPECT_EQ(Player("Hank Vance").kickReturnTouchdowns, 1);
    EXPECT_EQ(Player("Hank Vance").kickReturns, 0);  // no return sentence, no return

    OttersKick(std::string("Otters's P #3 Theo Dixon punts 48 yards to Rams's CB #35 Ike Jensen. "
                           "Ike Jensen breaks free. Touchdown, Rams!") +
               kPuntCall);
    EXPECT_EQ(Player("Ike Jensen").puntReturnTouchdowns, 1);
    EXPECT_EQ(Player("Ike Jensen").puntReturns, 0);
    EXPECT_TRUE(capture.stdoutMessages().empty());  // no "Cannot find ball handler"
}

TEST_F(KickTest, AKickoffThatGoesOutOfBoundsIsToldInItsSecondSentence) {
    OttersKick(std::string("The kickoff goes out of bounds. Otters's K #15 Tyrone Underwood "
                           "kicks off to Rams's CB #33 Jamal Norwood. Jamal Norwood returns the "
                           "kick for 27 yards. Jamal Norwood is tackled by Otters's CB #35 Ike "
                           "Jensen.") +
               kKickoffCall);
    EXPECT_EQ(Player("Tyrone Underwood").kickoffs, 1);
    EXPECT_EQ(Player("Jamal Norwood").kickReturnYards, 27);
}

constexpr const char* kFieldGoalCall = " That was Field Goal (60) against Rams's Block (61).";

TEST_F(KickTest, FieldGoalsKeepTheLongestMade) {
    for (const char* kick : {"attempts a 38 yard field goal. The kick is good.",
                             "attempts a 47 yard field goal. The kick is good.",
                             "attempts a 41 yard field goal. The kick is good.",
                             "attempts a 52 yard field goal. The kick is wide right."}) {
        OttersKick(std::string("Otters's K #3 Abel Moreau ") + kick + kFieldGoalCall);
    }
    const PlayerRec& kicker = Player("Abel Moreau");
    EXPECT_EQ(kicker.fieldGoalAttempts, 4);
    EXPECT_EQ(kicker.fieldGoalsMade, 3);
    EXPECT_EQ(kicker.longestFieldGoal, 47);
    EXPECT_EQ(Call("Otters|Field Goal|2").points, 9);
    EXPECT_EQ(Call("Otters|Field Goal|2").calls, 4);
}

TEST_F(KickTest, ABlockedFieldGoal) {
    OttersKick(std::string("Otters's K #15 Tim Abbott attempts a 19 yard field goal. The kick is "
                           "blocked by Rams's DE #91 Ray Reyes. The ball is recovered by Rams's "
                           "CB #20 Al Moe. Al Moe runs for a gain of 8 yards.") +
               kFieldGoalCall);
    const PlayerRec& kicker = Player("Tim Abbott");
    EXPECT_EQ(kicker.fieldGoalAttempts, 1);
    EXPECT_EQ(kicker.fieldGoalsBlocked, 1);
    EXPECT_EQ(kicker.fieldGoalsMade, 0);
    EXPECT_EQ(Player("Ray Reyes").kicksBlocked, 1);
    EXPECT_EQ(Player("Al Moe").fumbleRecoveries, 1);
    EXPECT_EQ(Player("Al Moe").rushYards, 8);
    EXPECT_EQ(Call("Otters|Field Goal|2").points, 0);
}

TEST_F(KickTest, ExtraPointsGoodBlockedAndMissed) {
    constexpr const char* kCall = " That was Extra Point (50) against Rams's Kick Block (51).";
    OttersKick(std::string("Otters's K #3 Abel Moreau kicks for the extra point. The kick is "
                           "good.") +
               kCall);
    OttersKick(std::string("Otters's K #3 Abel Moreau kicks for the extra point. The kick is "
                           "blocked by Rams's DE #91 Ray Reyes.") +
               kCall);
    OttersKick(std::string("Otters's K #3 Abel Moreau kicks for the extra point. The kick is "
                           "wide right.") +
               kCall);
    const PlayerRec& kicker = Player("Abel Moreau");
    EXPECT_EQ(kicker.extraPointAttempts, 3);
    EXPECT_EQ(kicker.extraPointsMade, 1);
    EXPECT_EQ(kicker.extraPointsBlocked, 1);
    EXPECT_EQ(Player("Ray Reyes").kicksBlocked, 1);
    EXPECT_EQ(Call("Otters|Extra Point|2").points, 1);
}

TEST_F(KickTest, TheLastSentenceIsNeverReadAsPartOfTheKick) {
    // No mark ends the good kick (no blank after its full stop), so it is the statement's
    // last sentence: only the attempt counts, while the play calls are still read.
    OttersKick(
        "Otters's K #3 Abel Moreau attempts a 30 yard field goal. The kick is "
        "good.That was Field Goal (60) against Rams's Block (61).");
    EXPECT_EQ(Player("Abel Moreau").fieldGoalAttempts, 1);
    EXPECT_EQ(Player("Abel Moreau").fieldGoalsMade, 0);
    EXPECT_EQ(Call("Otters|Field Goal|2").calls, 1);
}

TEST_F(KickTest, KicksThatCannotBeReadCreditLittleAndNeverCrash) {
    for (const char* text : {
             "A kicker kicks off to nobody. That was Kick (1) against Rams's Return (2).",
             "Otters's K #3 Abel Moreau kicks off to Rams. That was Kick (1) against X (2).",
             "Otters's P #4 Gus Lind punts 40 yards away. That was Punt (1) against Y (2).",
             "Otters's K #3 Abel Moreau attempts a long field goal. The kick is good. That "
             "was FG (1) against Z (2).",
             "Otters's P #4 Gus Lind punts 40 yards to Rams's WR #1 Al Ray. The ball is "
             "recovered by somebody! That was Punt (1) against W (2).",
             "Someone attempts a 30 yard field goal. The kick is good. That was FG (1) against "
             "V (2).",
         }) {
        Situation("Otters", "Rams", 0);
        EXPECT_EQ(Parse(text), StatementKind::Play) << text;
    }
    EXPECT_EQ(Player("Abel Moreau").kickoffs, 0);
    EXPECT_EQ(Player("Abel Moreau").fieldGoalAttempts, 0);
    // Only the punt whose kick sentence could be read counts; its recovery could not.
    EXPECT_EQ(Player("Gus Lind").punts, 1);
    EXPECT_EQ(Player("Gus Lind").fumbleRecoveries, 0);
    EXPECT_EQ(Player("Al Ray").fumbleRecoveries, 0);
}

}  // namespace
}  // namespace gridtally
