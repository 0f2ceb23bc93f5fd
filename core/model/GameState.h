#pragma once

#include <cstdint>

#include "core/text/FixedText.h"

namespace gridtally {

enum class KickKind : std::int32_t {
    None = 0,
    Kickoff = 1,
    Punt = 2,
    FieldGoal = 3,
    ExtraPoint = 4,
};

// The situation before a play, from one situation statement to the next play.
struct GameState {
    FixedText<64> offense;
    FixedText<64> defense;
    std::int32_t down = 0;  // 1 to 4; 0 when no down has been read
    std::int32_t toGo = 0;
    // Set by the kicking parser, read by the touchdown sentence that may follow.
    KickKind kickKind = KickKind::None;
};

}  // namespace gridtally
