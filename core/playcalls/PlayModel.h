#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "core/playcalls/PlayKind.h"

namespace gridtally {

class PlayerRoster;
class TeamTotals;

// Which document a model is; a view that must tell them apart asks this.
enum class ModelKind : std::int32_t {
    GameLog = 1,
    PlayDB = 2,
};
struct PlayRec;
struct PlayerRec;

// What a club's pages read, and the play-calling lists adjust: a game log, a Play DB
// and a season's club each are one. It is the first base of each. The base answers
// nothing.
class PlayModel {
public:
    explicit PlayModel(ModelKind kind) : modelKind(kind) {}
    virtual ~PlayModel() = default;
    PlayModel(const PlayModel&) = delete;
    PlayModel& operator=(const PlayModel&) = delete;

    // That club's TeamTotals, or nullptr.
    virtual TeamTotals* FindTeamTotals(std::string_view /*team*/) { return nullptr; }
    // Appends copies of the club's play calls of one kind; the copies are the caller's.
    virtual void CollectPlayCalls(PlayKind /*kind*/, std::string_view /*team*/,
                                  std::vector<std::unique_ptr<PlayRec>>& /*list*/) {}
    // Removes the play call the record's key names; true if it was there.
    virtual bool RemovePlayCall(PlayRec& /*play*/) { return false; }
    // Adds the record's counters under its own key and kind.
    virtual void AddPlayCall(PlayRec& /*play*/) {}

    // The players the player pages list; nullptr where there are none (a Play DB).
    virtual const PlayerRoster* Players() const { return nullptr; }
    // The games each player played, where several games are summed (a season's club);
    // the player pages then have a column of them.
    virtual const std::function<std::int32_t(const PlayerRec&)>* GamesPlayed() const {
        return nullptr;
    }
    // The name the records carry for the club a page's label names.
    virtual std::string_view ClubName(std::string_view label) const { return label; }

    const ModelKind modelKind;
};

}  // namespace gridtally
