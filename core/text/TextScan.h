#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace gridtally {

// Byte-level helpers for reading log text. They never look at the locale and accept
// any byte value, so Latin-1 text cannot reach the undefined corners of <cctype>.

// The white space of the C locale: blank, tab, LF, VT, FF, CR.
constexpr bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr char ToLowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Where `phrase` first stands in `text`, or npos, as std::string_view::find answers; but
// it does not stop at every blank of the text for a phrase that begins with blanks, as
// most of the parser's phrases do.
std::size_t FindText(std::string_view text, std::string_view phrase);

inline bool Contains(std::string_view text, std::string_view phrase) {
    return FindText(text, phrase) != std::string_view::npos;
}

// True when `text` begins with `word`, compared without regard to ASCII case.
constexpr bool StartsWithNoCase(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (ToLowerAscii(text[i]) != ToLowerAscii(word[i])) return false;
    }
    return true;
}

// strcmp's order: bytes as unsigned characters, a prefix first; -1, 0 or +1.
// Orders two names as ASCII letters fold to lower case, other bytes by value, as club
// lists are ordered.
constexpr int CompareNoCase(std::string_view a, std::string_view b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto x = static_cast<unsigned char>(ToLowerAscii(a[i]));
        auto y = static_cast<unsigned char>(ToLowerAscii(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

constexpr int CompareBytes(std::string_view a, std::string_view b) {
    int order = a.compare(b);  // char_traits<char> compares as unsigned char
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

// `text` without the blanks and tabs at its start.
constexpr std::string_view SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    return text.substr(i);
}

// Reads a word the way "%s" does: white space skipped, then the bytes up to the next
// white space. Advances `text` past the word; nothing, with `text` as it was, when only
// white space is left.
std::optional<std::string_view> ScanWord(std::string_view& text);

// Reads a decimal integer the way "%d" does: optional white space, an optional sign,
// then digits. Values beyond 32 bits saturate instead of overflowing. Returns the
// number and how many bytes were consumed, or nothing when no digit follows.
struct ScannedInt {
    std::int32_t value;
    std::size_t length;
};
std::optional<ScannedInt> ScanInt(std::string_view text);

}  // namespace gridtally
