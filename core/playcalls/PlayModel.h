#pragma once

#include <cstdint>
#include <string_view>

namespace gridtally {

class TeamTotals;

// What the play-calling lists read and adjust, implemented by both documents: the
// game log and the Play DB. It is the first base of each.
class PlayModel {
public:
    explicit PlayModel(std::int32_t kind) : modelKind(kind) {}
    virtual ~PlayModel() = default;
    PlayModel(const PlayModel&) = delete;
    PlayModel& operator=(const PlayModel&) = delete;

    // That club's TeamTotals, or nullptr.
    virtual TeamTotals* FindTeamTotals(std::string_view /*team*/) { return nullptr; }

    // 1 in a game log document, 2 in a Play DB.
    const std::int32_t modelKind;
};

}  // namespace gridtally
