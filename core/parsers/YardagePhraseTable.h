#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/text/PhraseSet.h"

namespace gridtally {

// The phrases that tell how far a ball carrier got, tried in order; the first one the
// text contains wins.
class YardagePhraseTable {
public:
    struct Phrase {
        std::string_view text;
        int sign;        // +1 gain, -1 loss
        bool hasNumber;  // "for a short gain" carries none: 0 yards
    };
    struct Match {
        std::size_t index;     // of the phrase in the table
        std::size_t position;  // where the phrase starts in the text
        std::int32_t yards;    // signed; 0 when the number cannot be read
    };

    // After a receiver and after an interception return: " for a gain of ...".
    static const YardagePhraseTable& Pass();
    // After a runner: " runs for a gain of ...", and " downs the ball".
    static const YardagePhraseTable& Run();

    std::optional<Match> Find(std::string_view text) const;
    const Phrase& operator[](std::size_t index) const { return phrases_[index]; }

private:
    explicit YardagePhraseTable(std::span<const Phrase> phrases);
    std::span<const Phrase> phrases_;
    PhraseSet search_;  // the same phrases, in the same order
};

}  // namespace gridtally
