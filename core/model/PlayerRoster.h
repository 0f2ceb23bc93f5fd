#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "model/PlayerRec.h"

namespace gridtally {

// The players of one game in the order in which they were first met. A roster that
// owns its players deletes them when it is emptied or destroyed; one built to show a
// selection of another roster's players does not.
class PlayerRoster {
public:
    explicit PlayerRoster(bool ownsPlayers) : ownsPlayers_(ownsPlayers) {}
    ~PlayerRoster();
    PlayerRoster(const PlayerRoster&) = delete;
    PlayerRoster& operator=(const PlayerRoster&) = delete;

    bool ownsPlayers() const { return ownsPlayers_; }

    // Adds a player to a roster that owns its players and returns him.
    PlayerRec* Append(std::unique_ptr<PlayerRec> player);
    // Adds another roster's player to a roster that does not own its players.
    void AppendShared(PlayerRec* player);
    void Clear();

    std::size_t size() const { return players_.size(); }
    bool empty() const { return players_.empty(); }
    PlayerRec* at(std::size_t index) const { return players_.at(index); }
    auto begin() const { return players_.begin(); }
    auto end() const { return players_.end(); }

private:
    bool ownsPlayers_;
    std::vector<PlayerRec*> players_;
};

// Lookups are linear and the first match wins. Names and teams compare exactly, as the
// record fields store them: a query longer than the field is cut the same way first.
PlayerRec* FindPlayerByName(const PlayerRoster& roster, std::string_view name);
PlayerRec* FindPlayerByPosition(const PlayerRoster& roster, std::string_view team,
                                std::string_view position);

// The player a reference names, created with `team` when he is new; nullptr when the
// reference cannot be parsed. A player met again keeps the team, position and number
// of his first mention.
PlayerRec* FindOrAddPlayer(std::string_view reference, std::string_view team, PlayerRoster& roster);

}  // namespace gridtally
