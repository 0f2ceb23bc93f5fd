#pragma once

#include <cstdint>

#include "text/FixedText.h"

namespace gridtally {

// The situation before a play, from one situation statement to the next play.
struct GameState {
    FixedText<64> offense;
    FixedText<64> defense;
    std::int32_t down = 0;  // 1 to 4; 0 when no down has been read
    std::int32_t toGo = 0;
    // Set by the kicking parser: 1 kick-off, 2 punt, 3 field goal, 4 extra point.
    std::int32_t kickKind = 0;
};

}  // namespace gridtally
