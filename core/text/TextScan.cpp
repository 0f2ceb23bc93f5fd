#include "text/TextScan.h"

#include <limits>

namespace gridtally {

std::optional<std::string_view> ScanWord(std::string_view& text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    std::size_t start = i;
    while (i < text.size() && !IsSpace(text[i])) ++i;
    if (i == start) return std::nullopt;
    std::string_view word = text.substr(start, i - start);
    text.remove_prefix(i);
    return word;
}

std::optional<ScannedInt> ScanInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;

    constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = std::min<std::int64_t>(magnitude * 10 + (text[i] - '0'), kLimit + 1);
    }
    std::int64_t value = negative ? -magnitude : std::min(magnitude, kLimit);
    return ScannedInt{static_cast<std::int32_t>(value), i};
}

}  // namespace gridtally
