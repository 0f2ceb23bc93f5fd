#pragma once

#include <array>
#include <cstdint>

#include "model/FixedText.h"
#include "playcalls/PlayKind.h"

namespace gridtally {

struct GameState;

// A club's runs and passes by down and distance.
class TeamTotals {
public:
    virtual ~TeamTotals() = default;

    FixedText<64> name;  // empty until known
    // Plays by down (1 to 4 at 0 to 3), by distanceBucket and by kind (0 run, 1 pass).
    std::int32_t counts[4][4][2] = {};
};

// 0 for less than 2 yards to go, 1 for 2 to 5, 2 for 6 to 10, 3 for more than 10.
int distanceBucket(std::int32_t toGo);

// Counts a run or pass in the offense's TeamTotals of a game (other kinds are not
// counted). The first record is the offense's when it bears the offense's name; the
// second is taken otherwise and, while unnamed, takes that name.
void CountPlayInTeamTotals(std::array<TeamTotals, 2>& teamTotals, const GameState& state,
                           PlayKind kind);

}  // namespace gridtally
