#include "core/model/PlayerRoster.h"

#include <memory>
#include <optional>

#include "core/model/PlayerRef.h"

namespace gridtally {

PlayerRec* PlayerRoster::Append(std::unique_ptr<PlayerRec> player) {
    PlayerRec* added = players_.emplace_back(std::move(player)).get();
    byName_.emplace(added->name.view(), added);  // the first of a name stays the one found
    indexOf_.emplace(added, players_.size() - 1);
    return added;
}

PlayerRec* PlayerRoster::FindByName(std::string_view name) const {
    auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

PlayerRec* FindPlayerByName(const PlayerRoster& roster, std::string_view name) {
    return roster.FindByName(decltype(PlayerRec::name)::Fit(name));
}

PlayerRec* FindPlayerByPosition(const PlayerRoster& roster, std::string_view team,
                                std::string_view position) {
    team = decltype(PlayerRec::team)::Fit(team);
    for (const auto& player : roster) {
        if (player->team == team && player->position == position) return player.get();
    }
    return nullptr;
}

PlayerRec* FindOrAddPlayer(std::string_view reference, std::string_view team,
                           PlayerRoster& roster) {
    std::optional<PlayerRef> ref = ParsePlayerRef(reference);
    if (!ref) return nullptr;
    if (PlayerRec* known = FindPlayerByName(roster, ref->name)) return known;

    auto player = std::make_unique<PlayerRec>();
    player->name = ref->name;
    player->team = team;
    player->position = ref->position;
    player->number = JerseyNumber(ref->numberWord);
    return roster.Append(std::move(player));
}

}  // namespace gridtally
