#pragma once

#include <string_view>

#include "core/model/PlayerRoster.h"

namespace gridtally {

// QB, HB, FB, WR, C (not CB), G and T (so also TE) play offense.
bool IsOffensivePosition(std::string_view position);

enum class PlayerGroup {
    Offense = 1,
    // Non-offensive positions, without a kicker or punter who kicked off or punted.
    Defense = 2,
};

// The club's players of one group, in roster order.
PlayerSelection CollectPlayers(const PlayerRoster& roster, PlayerGroup group,
                               std::string_view team);

}  // namespace gridtally
