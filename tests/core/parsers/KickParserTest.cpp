#include "PlayFixture.h"

namespace gridtally {
namespace {

using P = PlayerRec;
using C = PlayCallRec;

std::string Punt(const std::string& play) {
    return play + " That was Punt (40) against Rams's Punt Return (41).";
}
std::string DeepKick(const std::string& play) {
    return play + " That was Deep Kick (3) against Rams's Return Middle (7).";
}
std::string FieldGoal(const std::string& play) {
    return play + " That was Field Goal (60) against Rams's Block (61).";
}
std::string ExtraPoint(const std::string& play) {
    return play + " That was Extra Point (50) against Rams's Kick Block (51).";
}

// Kicks by the Otters. Coverage tacklers are met but credited nothing, and kicks are
// never counted in the team totals.
const std::vector<PlayCase> kKicks = {
    {"APuntReturnedWithNetYardage",
     {0, 0},
     {Punt("Otters's P #4 Gus Lind punts 45 yards to Rams's WR #11 Eli Moss. Eli Moss returns the "
           "kick for 10 yards. Net punt yardage was 35 yards. Eli Moss is tackled by Otters's LB "
           "#50 Kurt Baines.")},
     {"Gus Lind (Otters) punts 1 puntGrossYards 45 puntNetYards 35",
      "Eli Moss (Rams) puntReturns 1 puntReturnYards 10", "Kurt Baines (Otters)"},
     {"Otters|Punt|2 yards 35 calls 1", "Rams|Punt Return|3 calls 1"}},
    // No punter is named: the kicking side's P1 met on the kick-off punts.
    {"APuntDownedByTheKickingSidesP1",
     {0, 0},
     {"Otters's K #3 Abel Moreau kicks off to Rams's HB #22 Dario Vance. Dario Vance returns the "
      "kick for 20 yards. Dario Vance is tackled by Otters's P1 #17 Carl Zimmer. That was Kickoff "
      "(4) against Rams's Return (7).",
      Punt("The ball is downed at the Rams 42 yard line. Net punt yardage was 40 yards.")},
     {"Abel Moreau (Otters) kickoffs 1", "Dario Vance (Rams) kickReturns 1 kickReturnYards 20",
      "Carl Zimmer (Otters) punts 1 puntGrossYards 40 puntNetYards 40"},
     {"Otters|Kickoff|2 calls 1", "Otters|Punt|2 yards 40 calls 1", "Rams|Punt Return|3 calls 1",
      "Rams|Return|3 calls 1"}},
    // One touchback, told twice; the gross adds the 20 yards it is brought out.
    {"APuntDownInTheEndZone",
     {0, 0},
     {Punt("Otters's P #19 Dwight Foster punts the ball past the goal line. The ball is down in "
           "the end zone. Net punt yardage was 61 yards.")},
     {"Dwight Foster (Otters) punts 1 puntGrossYards 81 puntNetYards 61 puntTouchbacks 1"},
     {"Otters|Punt|2 yards 61 calls 1", "Rams|Punt Return|3 calls 1"}},
    // The net yardage saturates at the largest counter; the 20 yards then wrap the gross.
    {"ATouchbackWhoseNetFillsTheCounter",
     {0, 0},
     {"'s P # punts the ball past the goal line. . Net punt yardage was 9999999930. That was"},
     {" (Otters) punts 1 puntGrossYards -2147483629 puntNetYards 2147483647 puntTouchbacks 1"},
     {}},
    {"AFairCatchAndTheSpot",
     {0, 0},
     {Punt("Otters's P #4 Gus Lind punts 44 yards to Rams's WR #39  Gus Pemberton. Gus Pemberton "
           "calls for the fair catch. The ball is spotted at the Rams 30 yard line.")},
     {"Gus Lind (Otters) punts 1 puntGrossYards 44 puntNetYards 44",
      "Gus Pemberton (Rams) puntReturns 1"},
     {"Otters|Punt|2 yards 44 calls 1", "Rams|Punt Return|3 calls 1"}},
    {"AFairCatchRightBeforeTheCall",
     {0, 0},
     {Punt("Otters's P #4 Gus Lind punts 44 yards to Rams's WR #39  Gus Pemberton. Gus Pemberton "
           "calls for the fair catch.")},
     {"Gus Lind (Otters) punts 1 puntGrossYards 44 puntNetYards 44",
      "Gus Pemberton (Rams) puntReturns 1"},
     {"Otters|Punt|2 yards 44 calls 1", "Rams|Punt Return|3 calls 1"}},
    {"AFairCatchWithItsNetYardage",
     {0, 0},
     {Punt("Otters's P #4 Gus Lind punts 51 yards to Rams's WR #18 Hank Moss. Hank Moss calls for "
           "the fair catch. Net punt yardage was 51 yards.")},
     {"Gus Lind (Otters) punts 1 puntGrossYards 51 puntNetYards 51",
      "Hank Moss (Rams) puntReturns 1"},
     {"Otters|Punt|2 yards 51 calls 1", "Rams|Punt Return|3 calls 1"}},
    {"APuntOutOfBounds",
     {0, 0},
     {Punt(
         "Otters's P #3 Theo Dixon punts the ball out of bounds. Net punt yardage was 32 yards.")},
     {"Theo Dixon (Otters) punts 1 puntGrossYards 32 puntNetYards 32"},
     {"Otters|Punt|2 yards 32 calls 1", "Rams|Punt Return|3 calls 1"}},
    {"APuntDownedInTheEndZoneByTheReturner",
     {0, 0},
     {Punt("Otters's P #3 Theo Dixon punts 54 yards to Rams's WR #9 Max Moore. Max Moore downs the "
           "ball in the end zone. Net punt yardage was 41 yards.")},
     {"Theo Dixon (Otters) punts 1 puntGrossYards 54 puntNetYards 41 puntTouchbacks 1",
      "Max Moore (Rams) puntReturns 1"},
     {"Otters|Punt|2 yards 41 calls 1", "Rams|Punt Return|3 calls 1"}},
    {"APuntReturnedForATouchdown",
     {0, 0},
     {Punt("Otters's P #3 Theo Dixon punts 48 yards to Rams's CB #35 Ike Jensen. Ike Jensen "
           "returns the kick for 75 yards. Touchdown, Rams!")},
     {"Theo Dixon (Otters) punts 1 puntGrossYards 48",
      "Ike Jensen (Rams) touchdowns 1 puntReturns 1 puntReturnYards 75 puntReturnTouchdowns 1"},
     {"Otters|Punt|2 yards 48 calls 1 defTouchdowns 1",
      "Rams|Punt Return|3 calls 1 defTouchdowns 1"}},
    {"ABlockedPuntRecoveredByThePunter",
     {0, 0},
     {Punt("Otters's P #3 Theo Dixon's punt is blocked by Rams's  DE #93 Tyrone Evans. The ball is "
           "recovered by Theo Dixon. Theo Dixon runs for a loss of 4 yards.")},
     {"Theo Dixon (Otters) fumbleRecoveries 1 rushYards -4 punts 1 puntsBlocked 1",
      "Tyrone Evans (Rams) kicksBlocked 1"},
     {"Otters|Punt|2 yards -4 calls 1", "Rams|Punt Return|3 calls 1"}},
    {"ABlockedPuntRecoveredByTheBlocker",
     {0, 0},
     {Punt("Otters's P #6 Vic Hayes's punt is blocked by Rams's S #48 Nate Dunn. The ball is "
           "recovered by Rams's S #48 Nate Dunn. Nate Dunn runs for a gain of just over 3 yards.")},
     {"Vic Hayes (Otters) punts 1 puntsBlocked 1",
      "Nate Dunn (Rams) fumbleRecoveries 1 rushYards 3 kicksBlocked 1"},
     {"Otters|Punt|2 yards 3 calls 1", "Rams|Punt Return|3 calls 1"}},
    // A punt with no one to return it still counts, with its net yardage; a gross read
    // from the kick sentence is not counted again from the net.
    {"PuntsWithoutAReturner",
     {0, 0},
     {Punt("Otters's P #8 Ray Stone punts 45 yards. Net punt yardage was 40 yards."),
      Punt("Otters's P #8 Ray Stone punts 38 yards."),
      Punt("Otters's P #8 Ray Stone punts 50 yards to the Rams 10 yard line. Net punt yardage "
           "was 50 yards."),
      Punt("Otters's P #8 Ray Stone punts 42 yards to Rams's WR #11 Eli Moss. Net punt yardage "
           "was 36 yards.")},
     {"Ray Stone (Otters) punts 4 puntGrossYards 175 puntNetYards 126", "Eli Moss (Rams)"},
     {"Otters|Punt|2 yards 164 calls 4", "Rams|Punt Return|3 calls 4"}},
    // The club written before "'s " recovers, not the kicking side.
    {"AMuffedPuntRecoveredByEachSide",
     {0, 0},
     {Punt("Otters's P #4 Gus Lind punts 40 yards to Rams's WR #1 Al Ray. The ball is recovered "
           "by Rams's LB #55 Joe Doe. Joe Doe runs for a gain of 5 yards."),
      Punt("Otters's P #4 Gus Lind punts 40 yards to Rams's WR #1 Al Ray. The ball is recovered "
           "by Otters's LB #50 Kurt Baines. Kurt Baines runs for a short gain.")},
     {"Gus Lind (Otters) punts 2 puntGrossYards 80", "Al Ray (Rams)",
      "Joe Doe (Rams) fumbleRecoveries 1 rushYards 5", "Kurt Baines (Otters) fumbleRecoveries 1"},
     {"Otters|Punt|2 yards 5 calls 2", "Rams|Punt Return|3 calls 2"}},
    {"AKickoffReturnedAndTackled",
     {0, 0},
     {DeepKick(
         "Otters's K #3 Abel Moreau kicks off to Rams's HB #22 Dario Vance. Dario Vance returns "
         "the kick for 24 yards. Dario Vance is tackled by Otters's LB #54 Sam Okafor.")},
     {"Abel Moreau (Otters) kickoffs 1", "Dario Vance (Rams) kickReturns 1 kickReturnYards 24",
      "Sam Okafor (Otters)"},
     {"Otters|Deep Kick|2 calls 1", "Rams|Return Middle|3 calls 1"}},
    {"AKickoffDownedInTheEndZone",
     {0, 0},
     {DeepKick("Otters's K #3 Abel Moreau kicks off to Rams's WR #16 Stu Stone. Stu Stone downs "
               "the ball in the end zone.")},
     {"Abel Moreau (Otters) kickoffs 1 kickoffTouchbacks 1", "Stu Stone (Rams) kickReturns 1"},
     {"Otters|Deep Kick|2 calls 1", "Rams|Return Middle|3 calls 1"}},
    {"AKickoffReturnedForATouchdown",
     {0, 0},
     {DeepKick("Otters's K #3 Abel Moreau kicks off to Rams's WR #13 Hank Vance. Hank Vance "
               "returns the kick for 100 yards. Touchdown, Rams!")},
     {"Abel Moreau (Otters) kickoffs 1",
      "Hank Vance (Rams) touchdowns 1 kickReturns 1 kickReturnYards 100 kickReturnTouchdowns 1"},
     {"Otters|Deep Kick|2 calls 1 defTouchdowns 1",
      "Rams|Return Middle|3 calls 1 defTouchdowns 1"}},
    {"AKickoffTouchdownWithoutAReturnSentence",
     {0, 0},
     {DeepKick(
         "Otters's K #3 Abel Moreau kicks off to Rams's WR #13 Hank Vance. Touchdown, Rams!")},
     {"Abel Moreau (Otters) kickoffs 1", "Hank Vance (Rams) touchdowns 1 kickReturnTouchdowns 1"},
     {"Otters|Deep Kick|2 calls 1 defTouchdowns 1",
      "Rams|Return Middle|3 calls 1 defTouchdowns 1"}},
    {"APuntTouchdownWithoutAReturnSentence",
     {0, 0},
     {Punt("Otters's P #3 Theo Dixon punts 48 yards to Rams's CB #35 Ike Jensen. Ike Jensen breaks "
           "free. Touchdown, Rams!")},
     {"Theo Dixon (Otters) punts 1 puntGrossYards 48",
      "Ike Jensen (Rams) touchdowns 1 puntReturnTouchdowns 1"},
     {"Otters|Punt|2 yards 48 calls 1 defTouchdowns 1",
      "Rams|Punt Return|3 calls 1 defTouchdowns 1"}},
    {"AKickoffOutOfBoundsToldInTheSecondSentence",
     {0, 0},
     {DeepKick("The kickoff goes out of bounds. Otters's K #15 Tyrone Underwood kicks off to "
               "Rams's CB #33 Jamal Norwood. Jamal Norwood returns the kick for 27 yards. Jamal "
               "Norwood is tackled by Otters's CB #35 Ike Jensen.")},
     {"Tyrone Underwood (Otters) kickoffs 1",
      "Jamal Norwood (Rams) kickReturns 1 kickReturnYards 27", "Ike Jensen (Otters)"},
     {"Otters|Deep Kick|2 calls 1", "Rams|Return Middle|3 calls 1"}},
    {"FieldGoalsKeepTheLongestMade",
     {0, 0},
     {FieldGoal("Otters's K #3 Abel Moreau attempts a 38 yard field goal. The kick is good."),
      FieldGoal("Otters's K #3 Abel Moreau attempts a 47 yard field goal. The kick is good."),
      FieldGoal("Otters's K #3 Abel Moreau attempts a 41 yard field goal. The kick is good."),
      FieldGoal(
          "Otters's K #3 Abel Moreau attempts a 52 yard field goal. The kick is wide right.")},
     {"Abel Moreau (Otters) fieldGoalsMade 3 fieldGoalAttempts 4 longestFieldGoal 47"},
     {"Otters|Field Goal|2 calls 4 points 9", "Rams|Block|3 calls 4"}},
    {"ABlockedFieldGoal",
     {0, 0},
     {FieldGoal("Otters's K #15 Tim Abbott attempts a 19 yard field goal. The kick is blocked by "
                "Rams's DE #91 Ray Reyes. The ball is recovered by Rams's CB #20 Al Moe. Al Moe "
                "runs for a gain of 8 yards.")},
     {"Tim Abbott (Otters) fieldGoalAttempts 1 fieldGoalsBlocked 1",
      "Ray Reyes (Rams) kicksBlocked 1", "Al Moe (Rams) fumbleRecoveries 1 rushYards 8"},
     {"Otters|Field Goal|2 yards 8 calls 1", "Rams|Block|3 calls 1"}},
    // A blocker's club ends at the first "'s ", so an apostrophe in it stays; an
    // apostrophe without "'s " names no blocker, but the kick was still blocked.
    {"KicksBlockedByAClubWithAnApostrophe",
     {0, 0},
     {FieldGoal("Otters's K #3 Abel Moreau attempts a 40 yard field goal. The kick is blocked by "
                "O'Town Owls's DE #91 Ray Reyes."),
      FieldGoal("Otters's K #3 Abel Moreau attempts a 41 yard field goal. The kick is blocked by "
                "O'Neil."),
      Punt("Otters's P #4 Gus Lind's punt is blocked by O'Town Owls's LB #52 Al Fox.")},
     {"Abel Moreau (Otters) fieldGoalAttempts 2 fieldGoalsBlocked 2",
      "Ray Reyes (O'Town Owls) kicksBlocked 1", "Gus Lind (Otters) punts 1 puntsBlocked 1",
      "Al Fox (O'Town Owls) kicksBlocked 1"},
     {"Otters|Field Goal|2 calls 2", "Otters|Punt|2 calls 1", "Rams|Block|3 calls 2",
      "Rams|Punt Return|3 calls 1"}},
    {"AGoodExtraPoint",
     {0, 0},
     {ExtraPoint("Otters's K #3 Abel Moreau kicks for the extra point. The kick is good.")},
     {"Abel Moreau (Otters) extraPointsMade 1 extraPointAttempts 1"},
     {"Otters|Extra Point|2 calls 1 points 1", "Rams|Kick Block|3 calls 1"}},
    {"ABlockedExtraPoint",
     {0, 0},
     {ExtraPoint("Otters's K #3 Abel Moreau kicks for the extra point. The kick is blocked by "
                 "Rams's DE #91 Ray Reyes.")},
     {"Abel Moreau (Otters) extraPointAttempts 1 extraPointsBlocked 1",
      "Ray Reyes (Rams) kicksBlocked 1"},
     {"Otters|Extra Point|2 calls 1", "Rams|Kick Block|3 calls 1"}},
    {"AMissedExtraPoint",
     {0, 0},
     {ExtraPoint("Otters's K #3 Abel Moreau kicks for the extra point. The kick is wide right.")},
     {"Abel Moreau (Otters) extraPointAttempts 1"},
     {"Otters|Extra Point|2 calls 1", "Rams|Kick Block|3 calls 1"}},
    // No blank follows the good kick's full stop, so no mark ends it: only the attempt counts.
    {"AGoodKickInTheLastSentence",
     {0, 0},
     {"Otters's K #3 Abel Moreau attempts a 30 yard field goal. The kick is good.That was Field "
      "Goal (60) against Rams's Block (61)."},
     {"Abel Moreau (Otters) fieldGoalAttempts 1"},
     {"Otters|Field Goal|2 calls 1", "Rams|Block|3 calls 1"}},
};

class KickStatement : public PlayFixture, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(KickStatement, LeavesExactlyWhatTheKickTold) { ExpectCase(GetParam(), 0); }

INSTANTIATE_TEST_SUITE_P(Kicks, KickStatement, ::testing::ValuesIn(kKicks), CaseName);

TEST_F(PlayFixture, KicksThatCannotBeReadCreditLittleAndNeverCrash) {
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
    // The two punts whose distance could be read count; the recovery could not be read.
    EXPECT_EQ(Player("Gus Lind").punts, 2);
    EXPECT_EQ(Player("Gus Lind").puntGrossYards, 80);
    EXPECT_EQ(Player("Gus Lind").fumbleRecoveries, 0);
    EXPECT_EQ(Player("Al Ray").fumbleRecoveries, 0);
}

}  // namespace
}  // namespace gridtally
