#pragma once

#include <string>
#include <string_view>

#include "core/playcalls/PlayKind.h"
#include "core/text/FixedText.h"

namespace gridtally {

// The identity of a play call: club, play name and kind, and the key text
// "team|play|kind" under which its record is stored.
struct PlayCallKey {
    std::string keyText;
    PlayKind kind = PlayKind::None;
    FixedText<64> team;
    FixedText<128> play;
};

// Formats "%s|%s|%d" from team, play and kind into the key's keyText, and returns it.
// A '|' inside a name is written as '/', so that every key splits back into its parts.
const std::string& BuildKeyText(PlayCallKey& key);

// Whether `keyName`, a name as split from a key, is the key's form of `name`.
bool IsKeyNameOf(std::string_view keyName, std::string_view name);

// Fills `key` from a key text. Team and play keep at most their first 64 bytes (the
// team field one less, so that it stays terminated); a kind that cannot be read is 5.
// Without a first '|' nothing changes; without a second only the team does.
void SplitKeyText(std::string_view keyText, PlayCallKey& key);

}  // namespace gridtally
