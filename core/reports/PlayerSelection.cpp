#include "core/reports/PlayerSelection.h"

namespace gridtally {

bool IsOffensivePosition(std::string_view position) {
    for (std::string_view prefix : {"QB", "HB", "FB", "WR", "G", "T"}) {
        if (position.starts_with(prefix)) return true;
    }
    return position.starts_with("C") && !position.starts_with("CB");
}

bool IsKicker(const PlayerRec& player) {
    return player.kickedBeforeFilter || player.kickoffs != 0 || player.punts != 0 ||
           player.fieldGoalAttempts != 0 || player.extraPointAttempts != 0;
}

PlayerSelection CollectPlayers(const PlayerRoster& roster, PlayerGroup group,
                               std::string_view team) {
    PlayerSelection list;
    for (const auto& player : roster) {
        if (player->team != team) continue;
        bool offensive = IsOffensivePosition(player->position);
        bool listed = group == PlayerGroup::Offense
                          ? offensive
                          : group == PlayerGroup::Defense && !offensive && !IsKicker(*player);
        if (listed) list.push_back(player.get());
    }
    return list;
}

}  // namespace gridtally
