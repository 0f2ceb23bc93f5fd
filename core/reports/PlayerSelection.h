#pragma once

#include <string_view>

#include "core/model/PlayerRoster.h"

namespace gridtally {

// QB, HB, FB, WR, C (not CB), G and T (so also TE) play offense.
bool IsOffensivePosition(std::string_view position);

enum class PlayerGroup {
    Offense = 1,
    // Non-offensive positions, without the kickers and punters.
    Defense = 2,
};

// He kicked off, punted or tried a field goal or an extra point (in a season, in any of
// its plays): the special-teams report lists him, the defensive list does not.
bool IsKicker(const PlayerRec& player);

// The club's players of one group, in roster order.
PlayerSelection CollectPlayers(const PlayerRoster& roster, PlayerGroup group,
                               std::string_view team);

}  // namespace gridtally
