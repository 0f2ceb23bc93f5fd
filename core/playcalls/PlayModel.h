#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "core/playcalls/PlayKind.h"

namespace gridtally {

class TeamTotals;

// Which document a model is; a view that must tell them apart asks this.
enum class ModelKind : std::int32_t {
    GameLog = 1,
    PlayDB = 2,
};
struct PlayRec;

// What the play-calling lists read and adjust, implemented by both documents: the
// game log and the Play DB. It is the first base of each. The base answers nothing.
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

    const ModelKind modelKind;
};

}  // namespace gridtally
