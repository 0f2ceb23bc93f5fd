#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace gridtally {

// The summed results of one play call of one club and kind. For an offense record
// (kinds 0, 1, 2, 5) every counter is a plain sum; a defense record (kind 3) counts the
// plays it faced and leaves `yards`, `completions` and `points` alone.
class PlayCallRec {
public:
    PlayCallRec() = default;
    PlayCallRec(const PlayCallRec&) = default;
    PlayCallRec& operator=(const PlayCallRec&) = default;
    virtual ~PlayCallRec() = default;

    std::int32_t yards = 0;
    std::int32_t calls = 0;
    std::int32_t completions = 0;
    std::int32_t sacks = 0;
    std::int32_t fumbles = 0;
    std::int32_t interceptions = 0;
    std::int32_t touchdowns = 0;
    std::int32_t defTouchdowns = 0;
    std::int32_t safeties = 0;
    std::int32_t spare = 0;  // carried and stored, set by nothing
    std::int32_t points = 0;
    std::int32_t runsFaced = 0;
    std::int32_t passesFaced = 0;
    std::int32_t runYardsAllowed = 0;
    std::int32_t passYardsAllowed = 0;
};

struct PlayCallCounterField {
    std::string_view name;
    std::int32_t PlayCallRec::*member;
};

// The 15 counters in record (and file) order, under their names.
inline constexpr std::array<PlayCallCounterField, 15> kPlayCallCounterFields{{
    {"yards", &PlayCallRec::yards},
    {"calls", &PlayCallRec::calls},
    {"completions", &PlayCallRec::completions},
    {"sacks", &PlayCallRec::sacks},
    {"fumbles", &PlayCallRec::fumbles},
    {"interceptions", &PlayCallRec::interceptions},
    {"touchdowns", &PlayCallRec::touchdowns},
    {"defTouchdowns", &PlayCallRec::defTouchdowns},
    {"safeties", &PlayCallRec::safeties},
    {"spare", &PlayCallRec::spare},
    {"points", &PlayCallRec::points},
    {"runsFaced", &PlayCallRec::runsFaced},
    {"passesFaced", &PlayCallRec::passesFaced},
    {"runYardsAllowed", &PlayCallRec::runYardsAllowed},
    {"passYardsAllowed", &PlayCallRec::passYardsAllowed},
}};

}  // namespace gridtally
