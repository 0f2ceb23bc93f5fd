#include <gtest/gtest.h>

#include "model/PlayerRoster.h"
#include "reports/PlayerSelection.h"

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
    PlayerRoster roster(true);
    for (const char* reference :
         {"CB #21 Otis Ferro", "C #51 Zach Evans", "TE #88 Ivo Sand", "K #5 Ray Ochoa",
          "K #3 Abel Moreau", "P #4 Gus Lind", "LB #50 Kurt Baines"}) {
        FindOrAddPlayer(reference, "Otters", roster);
    }
    FindOrAddPlayer("DE #97 Nate Brooks", "Rams", roster);
    FindPlayerByName(roster, "Ray Ochoa")->fieldGoalAttempts = 2;
    FindPlayerByName(roster, "Abel Moreau")->kickoffs = 1;
    FindPlayerByName(roster, "Gus Lind")->punts = 1;

    PlayerRoster defense(false);
    CollectPlayers(roster, PlayerGroup::Defense, "Otters", defense);
    std::vector<std::string> names;
    for (const PlayerRec* player : defense) names.push_back(player->name.str());
    EXPECT_EQ(names, (std::vector<std::string>{"Otis Ferro", "Ray Ochoa", "Kurt Baines"}));
    EXPECT_FALSE(defense.ownsPlayers());

    PlayerRoster offense(false);
    CollectPlayers(roster, PlayerGroup::Offense, "Otters", offense);
    EXPECT_EQ(offense.size(), 2u);

    PlayerRoster none(false);
    CollectPlayers(roster, static_cast<PlayerGroup>(3), "Otters", none);
    CollectPlayers(roster, PlayerGroup::Defense, "otters", none);
    EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace gridtally
