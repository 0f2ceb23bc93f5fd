#include "model/PlayerRoster.h"

#include <cassert>
#include <memory>
#include <optional>

#include "model/PlayerRef.h"

namespace gridtally {

PlayerRoster::~PlayerRoster() { Clear(); }

PlayerRec* PlayerRoster::Append(std::unique_ptr<PlayerRec> player) {
    assert(ownsPlayers_);
    players_.push_back(player.get());
    return player.release();
}

void PlayerRoster::AppendShared(PlayerRec* player) {
    assert(!ownsPlayers_);
    players_.push_back(player);
}

void PlayerRoster::Clear() {
    if (ownsPlayers_) {
        for (PlayerRec* player : players_) delete player;
    }
    players_.clear();
}

PlayerRec* FindPlayerByName(const PlayerRoster& roster, std::string_view name) {
    name = decltype(PlayerRec::name)::Fit(name);
    for (PlayerRec* player : roster) {
        if (player->name == name) return player;
    }
    return nullptr;
}

PlayerRec* FindPlayerByPosition(const PlayerRoster& roster, std::string_view team,
                                std::string_view position) {
    team = decltype(PlayerRec::team)::Fit(team);
    for (PlayerRec* player : roster) {
        if (player->team == team && player->position == position) return player;
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
