#pragma once

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/text/Latin1.h"

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

// The order a click on a column of cells puts its rows in, stable: text columns by
// CompareCells, number columns from the largest down; an empty cell goes last, and a
// cell that is no number sorts as text after the numbers. The pages made of cells (a
// season's games and plays) sort through it.
inline std::vector<std::size_t> SortedByCells(const std::vector<std::string>& cells, bool text) {
    std::vector<std::size_t> order(cells.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    auto number = [](const std::string& cell) -> std::optional<double> {
        double value = 0;
        auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
        if (error != std::errc() || end == cell.data()) return std::nullopt;
        return value;
    };
    StableSort(std::span<std::size_t>(order), [&](std::size_t a, std::size_t b) {
        const std::string& x = cells[a];
        const std::string& y = cells[b];
        if (x.empty() != y.empty()) return x.empty() ? 1 : -1;
        std::optional<double> p = text ? std::nullopt : number(x);
        std::optional<double> q = text ? std::nullopt : number(y);
        if (p && q) return *p == *q ? 0 : *p > *q ? -1 : 1;
        if (p || q) return p ? -1 : 1;
        return CompareCells(x, y);
    });
    return order;
}

}  // namespace gridtally
