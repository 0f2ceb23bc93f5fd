#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace gridtally {

// The buckets a play's situation is counted in, for every page, filter and export that
// groups plays by them.

// Yards to go: 0 for less than 2, 1 for 2 to 5, 2 for 6 to 10, 3 for more than 10.
int distanceBucket(std::int32_t toGo);

// Each distance bucket by name, as filters take them and exports write them.
inline constexpr std::array<std::string_view, 4> kDistanceBucketNames{"0-1", "2-5", "6-10", "10+"};
// The same, as the play calling page labels its rows ("Third and 10 +").
inline constexpr std::array<std::string_view, 4> kDistanceBucketLabels{"0-1", "2-5", "6-10",
                                                                       "10 +"};

}  // namespace gridtally
