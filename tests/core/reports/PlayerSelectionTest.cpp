#include <gtest/gtest.h>

#include "core/model/PlayerRoster.h"
#include "core/reports/PlayerSelection.h"

namespace gridtally {
namespace {

TEST(IsOffensivePosition, ByPrefix) {
    for (const char* position : {"QB", "HB", "FB", "WR", "C", "G", "T", "TE", "QB2"}) {
        EXPECT_TRUE(IsOffensivePosition(position)) << position;
    }
    for (const char* position : {"CB", "LB", "DE", "DT", "S", "K", "P", "P1", "", "qb", "c"}) {
        EXPECT_FALSE(IsOffensivePosition(position)) << position;
    }
}

TEST(CollectPlayers, TheDefensiveGroupLeavesOutOffenseKickersAndPunters) {
    PlayerRoster roster;
    for (const char* reference :
         {"CB #21 Otis Ferro", "C #51 Zach Evans", "TE #88 Ivo Sand", "K #5 Ray Ochoa",
          "K #3 Abel Moreau", "P #4 Gus Lind", "LB #50 Kurt Baines"}) {
        FindOrAddPlayer(reference, "Otters", roster);
    }
    FindOrAddPlayer("DE #97 Nate Brooks", "Rams", roster);
    FindPlayerByName(roster, "Ray Ochoa")->fieldGoalAttempts = 2;
    FindPlayerByName(roster, "Abel Moreau")->kickoffs = 1;
    FindPlayerByName(roster, "Gus Lind")->punts = 1;
    // A season's extra-point kicker whose kicks the filter left out is still a kicker.
    FindOrAddPlayer("K #6 Lou Marsh", "Otters", roster)->kickedBeforeFilter = true;

    std::vector<std::string> names;
    for (const PlayerRec* player : CollectPlayers(roster, PlayerGroup::Defense, "Otters")) {
        names.push_back(player->name.str());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Otis Ferro", "Kurt Baines"}));
    EXPECT_EQ(CollectPlayers(roster, PlayerGroup::Offense, "Otters").size(), 2u);
    EXPECT_TRUE(CollectPlayers(roster, static_cast<PlayerGroup>(3), "Otters").empty());
    EXPECT_TRUE(CollectPlayers(roster, PlayerGroup::Defense, "otters").empty());
}

}  // namespace
}  // namespace gridtally
