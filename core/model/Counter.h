#pragma once

#include <cstdint>

namespace gridtally {

// Adds to a 32-bit statistic counter. Sums wrap around like the 32-bit fields they are
// stored in rather than overflow, so a hostile log or Play DB cannot cause undefined
// behaviour.
inline void AddTo(std::int32_t& counter, std::int32_t amount) {
    counter = static_cast<std::int32_t>(static_cast<std::uint32_t>(counter) +
                                        static_cast<std::uint32_t>(amount));
}

}  // namespace gridtally
