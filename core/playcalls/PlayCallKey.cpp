#include "playcalls/PlayCallKey.h"

#include <charconv>
#include <optional>

#include "text/TextScan.h"

namespace gridtally {

const std::string& BuildKeyText(PlayCallKey& key) {
    key.keyText.clear();
    key.keyText.append(key.team.view()).append("|").append(key.play.view()).append("|");
    char digits[16];
    auto end = std::to_chars(digits, digits + sizeof digits, static_cast<std::int32_t>(key.kind)).ptr;
    key.keyText.append(digits, end);
    return key.keyText;
}

void SplitKeyText(std::string_view keyText, PlayCallKey& key) {
    // Everything that splits keys sees play names only to this length.
    constexpr std::size_t kSplitNameLength = 64;

    std::size_t first = keyText.find('|');
    if (first == std::string_view::npos) return;
    key.team = keyText.substr(0, std::min(first, kSplitNameLength));

    std::size_t second = keyText.find('|', first + 1);
    if (second == std::string_view::npos) return;
    key.play = keyText.substr(first + 1, std::min(second - first - 1, kSplitNameLength));

    std::optional<ScannedInt> kind = ScanInt(keyText.substr(second + 1));
    key.kind = kind ? static_cast<PlayKind>(kind->value) : PlayKind::None;
    key.keyText = keyText;
}

}  // namespace gridtally
