#include "reports/PlayerSelection.h"

#include "model/PlayerRoster.h"

namespace gridtally {

bool IsOffensivePosition(std::string_view position) {
    for (std::string_view prefix : {"QB", "HB", "FB", "WR", "G", "T"}) {
        if (position.starts_with(prefix)) return true;
    }
    return position.starts_with("C") && !position.starts_with("CB");
}

void CollectPlayers(const PlayerRoster& roster, PlayerGroup group, std::string_view team,
                    PlayerRoster& list) {
    for (PlayerRec* player : roster) {
        if (player->team != team) continue;
        bool offensive = IsOffensivePosition(player->position);
        bool listed = group == PlayerGroup::Offense
                          ? offensive
                          : group == PlayerGroup::Defense && !offensive && player->kickoffs == 0 &&
                                player->punts == 0;
        if (listed) list.AppendShared(player);
    }
}

}  // namespace gridtally
