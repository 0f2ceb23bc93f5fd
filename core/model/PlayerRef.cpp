#include "core/model/PlayerRef.h"

#include "core/text/TextScan.h"

namespace gridtally {
std::optional<PlayerRef> ParsePlayerRef(std::string_view text) {
    if (!Contains(text, " #")) return std::nullopt;

    std::string_view rest = text;
    std::optional<std::string_view> position = ScanWord(rest);
    std::optional<std::string_view> numberWord = ScanWord(rest);
    if (!position || !numberWord) return std::nullopt;

    std::string_view name = SkipBlanks(rest);
    while (!name.empty() && (IsSpace(name.back()) || name.back() == '.')) name.remove_suffix(1);

    return PlayerRef{*position, *numberWord, name};
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
