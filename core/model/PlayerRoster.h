#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/model/PlayerRec.h"

namespace gridtally {

// The players of one game in the order in which they were first met. The roster owns
// them; a selection of them (a report's or a list's) is a PlayerSelection of pointers
// that live as long as the roster. An index by name beside the order keeps lookups
// constant-time however many players a file names; a player's name must not change
// once he is in.
class PlayerRoster {
public:
    // Adds a player and returns him.
    PlayerRec* Append(std::unique_ptr<PlayerRec> player);
    void Clear() {
        players_.clear();
        byName_.clear();
        indexOf_.clear();
    }
    // The first player of that exact name, or nullptr.
    PlayerRec* FindByName(std::string_view name) const;

    // Where a player of this roster stands in its order.
    std::size_t IndexOf(const PlayerRec* player) const { return indexOf_.at(player); }

    std::size_t size() const { return players_.size(); }
    bool empty() const { return players_.empty(); }
    PlayerRec* at(std::size_t index) const { return players_.at(index).get(); }
    auto begin() const { return players_.begin(); }
    auto end() const { return players_.end(); }

private:
    std::vector<std::unique_ptr<PlayerRec>> players_;
    std::unordered_map<std::string_view, PlayerRec*> byName_;  // views of the records' names
    std::unordered_map<const PlayerRec*, std::size_t> indexOf_;
};

using PlayerSelection = std::vector<const PlayerRec*>;

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
