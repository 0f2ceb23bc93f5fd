#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

namespace gridtally {

// Sorts `items` by `compare` (negative: the first goes before the second), keeping
// items that compare equal in their order. A bottom-up merge sort: it asks nothing of
// the comparison to stay in bounds, so it also serves the run list's average, which
// treats close values as equal and is no strict weak order. Every list sorts through
// it, so a list on screen and its printout order rows alike.
template <typename T, typename Compare>
void StableSort(std::span<T> items, Compare compare) {
    std::vector<T> merged(items.begin(), items.end());
    for (std::size_t width = 1; width < items.size(); width *= 2) {
        for (std::size_t start = 0; start < items.size(); start += 2 * width) {
            std::size_t middle = std::min(start + width, items.size());
            std::size_t end = std::min(start + 2 * width, items.size());
            std::size_t left = start;
            std::size_t right = middle;
            std::size_t out = start;
            while (left < middle && right < end) {
                bool rightFirst = compare(items[right], items[left]) < 0;
                merged[out++] = rightFirst ? items[right++] : items[left++];
            }
            while (left < middle) merged[out++] = items[left++];
            while (right < end) merged[out++] = items[right++];
        }
        std::copy(merged.begin(), merged.end(), items.begin());
    }
}

}  // namespace gridtally
