#include "core/playcalls/PlayCallKey.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <optional>

#include "core/text/TextScan.h"

namespace gridtally {

namespace {

constexpr char kSeparator = '|';
constexpr char kSeparatorInName = '/';

void AppendName(std::string& out, std::string_view name) {
    std::size_t start = out.size();
    out.append(name);
    std::replace(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), kSeparator,
                 kSeparatorInName);
}

}  // namespace

const std::string& BuildKeyText(PlayCallKey& key) {
    key.keyText.clear();
    AppendName(key.keyText, key.team.view());
    key.keyText.push_back(kSeparator);
    AppendName(key.keyText, key.play.view());
    key.keyText.push_back(kSeparator);
    char digits[16];
    auto end =
        std::to_chars(digits, digits + sizeof digits, static_cast<std::int32_t>(key.kind)).ptr;
    key.keyText.append(digits, end);
    return key.keyText;
}

bool IsKeyNameOf(std::string_view keyName, std::string_view name) {
    if (keyName.size() != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        char wanted = name[i] == kSeparator ? kSeparatorInName : name[i];
        if (keyName[i] != wanted) return false;
    }
    return true;
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
