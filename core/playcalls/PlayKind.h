#pragma once

#include <cstdint>

namespace gridtally {

// What a play was; also the last field of a play call's key text.
enum class PlayKind : std::int32_t {
    Run = 0,
    Pass = 1,
    Kick = 2,
    Defense = 3,     // only in the keys of defense records
    CalledBack = 4,  // only as a parser result
    None = 5,        // the outcome was not recognised
};

}  // namespace gridtally
