#pragma once

#include <string_view>

namespace gridtally {

class PlayerRoster;

// QB, HB, FB, WR, C (not CB), G and T (so also TE) play offense.
bool IsOffensivePosition(std::string_view position);

enum class PlayerGroup {
    Offense = 1,
    // Non-offensive positions, without a kicker or punter who kicked off or punted.
    Defense = 2,
};

// Appends the club's players of one group to `list`, a roster that does not own its
// players, in roster order.
void CollectPlayers(const PlayerRoster& roster, PlayerGroup group, std::string_view team,
                    PlayerRoster& list);

}  // namespace gridtally
