#include "core/text/TextScan.h"

#include <string.h>

#include <limits>

namespace gridtally {

std::size_t FindText(std::string_view text, std::string_view phrase) {
    if (phrase.empty()) return 0;
    if (phrase.size() > text.size()) return std::string_view::npos;
    // Look for the phrase's first byte that is not a blank: most phrases begin with one,
    // and a search for it would stop at every word of the sentence.
    std::size_t anchor = phrase.find_first_not_of(' ');
    if (anchor == std::string_view::npos) anchor = 0;
    const char* first = text.data();
    const char* from = first + anchor;
    const char* last =
        first + (text.size() - phrase.size()) + anchor;  // the last place it may stand
    while (from <= last) {
        const void* hit = memchr(from, phrase[anchor], static_cast<std::size_t>(last - from) + 1);
        if (!hit) break;
        const char* start = static_cast<const char*>(hit) - anchor;
        if (memcmp(start, phrase.data(), phrase.size()) == 0) {
            return static_cast<std::size_t>(start - first);
        }
        from = static_cast<const char*>(hit) + 1;
    }
    return std::string_view::npos;
}

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
