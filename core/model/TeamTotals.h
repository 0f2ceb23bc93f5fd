#pragma once

#include <cstdint>

#include "core/model/SituationBuckets.h"
#include "core/text/FixedText.h"

namespace gridtally {

// A club's runs and passes by down and distance.
class TeamTotals {
public:
    virtual ~TeamTotals() = default;

    FixedText<64> name;  // empty until known
    // Plays by down (1 to 4 at 0 to 3), by distanceBucket and by kind (0 run, 1 pass).
    std::int32_t counts[4][4][2] = {};
};

}  // namespace gridtally
