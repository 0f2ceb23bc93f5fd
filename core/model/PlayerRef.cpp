#include "model/PlayerRef.h"

#include "text/TextScan.h"

namespace gridtally {
namespace {

// The next white-space separated word at or after `pos`, or an empty view.
std::string_view NextWord(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    std::size_t start = pos;
    while (pos < text.size() && !IsSpace(text[pos])) ++pos;
    return text.substr(start, pos - start);
}

}  // namespace

std::optional<PlayerRef> ParsePlayerRef(std::string_view text) {
    if (!Contains(text, " #")) return std::nullopt;

    std::size_t pos = 0;
    std::string_view position = NextWord(text, pos);
    std::string_view numberWord = NextWord(text, pos);
    if (position.empty() || numberWord.empty()) return std::nullopt;

    std::string_view name = SkipBlanks(text.substr(pos));
    while (!name.empty() && (IsSpace(name.back()) || name.back() == '.')) name.remove_suffix(1);

    return PlayerRef{std::string(position), std::string(numberWord), std::string(name)};
}

std::int32_t JerseyNumber(std::string_view numberWord) {
    constexpr std::size_t kNumberWordField = 3;
    std::string_view digits = numberWord.substr(0, kNumberWordField);
    std::int32_t number = 0;
    for (std::size_t i = 1; i < digits.size() && IsDigit(digits[i]); ++i) {
        number = number * 10 + (digits[i] - '0');
    }
    return number;
}

}  // namespace gridtally
