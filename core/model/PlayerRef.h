#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gridtally {

// A player as the log names him: position word, number sign and jersey number, name.
// The parts are views into the text read, which must outlive them.
struct PlayerRef {
    std::string_view position;
    std::string_view numberWord;  // as written, "#" and the digits
    std::string_view name;        // trailing white space and full stops removed
};

// Reads "POS #NN First Last" (the text may carry more words and a final full stop).
// Fails when the text has no " #" or fewer than two words.
std::optional<PlayerRef> ParsePlayerRef(std::string_view text);

// The jersey number of a number word. Only as much of the word as a player record's
// number field holds ("#" and two digits) is read, so "#123" gives 12; a word without
// digits after its first character gives 0.
std::int32_t JerseyNumber(std::string_view numberWord);

}  // namespace gridtally
