#include "parsers/YardagePhraseTable.h"

#include <array>
#include <limits>

#include "text/TextScan.h"

namespace gridtally {
namespace {

// "almost N" and "just over N" count as N.
constexpr std::array<YardagePhraseTable::Phrase, 8> kPassPhrases{{
    {" for a gain of almost ", +1, true},
    {" for a gain of just over ", +1, true},
    {" for a gain of ", +1, true},
    {" for a short gain", +1, false},
    {" for a loss of almost ", -1, true},
    {" for a loss of just over ", -1, true},
    {" for a loss of ", -1, true},
    {" for a short loss", -1, false},
}};

constexpr std::array<YardagePhraseTable::Phrase, 9> kRunPhrases{{
    {" runs for a gain of almost ", +1, true},
    {" runs for a gain of just over ", +1, true},
    {" runs for a gain of ", +1, true},
    {" runs for a short gain", +1, false},
    {" runs for a loss of almost ", -1, true},
    {" runs for a loss of just over ", -1, true},
    {" runs for a short loss", -1, false},
    {" runs for a loss of ", -1, true},
    {" downs the ball", -1, true},
}};

// -value, saturating for the one value whose negation does not fit.
std::int32_t Negated(std::int32_t value) {
    return value == std::numeric_limits<std::int32_t>::min()
               ? std::numeric_limits<std::int32_t>::max()
               : -value;
}

}  // namespace

const YardagePhraseTable& YardagePhraseTable::Pass() {
    static const YardagePhraseTable table{kPassPhrases};
    return table;
}

const YardagePhraseTable& YardagePhraseTable::Run() {
    static const YardagePhraseTable table{kRunPhrases};
    return table;
}

std::optional<YardagePhraseTable::Match> YardagePhraseTable::Find(std::string_view text) const {
    for (std::size_t i = 0; i < phrases_.size(); ++i) {
        const Phrase& phrase = phrases_[i];
        std::size_t at = FindText(text, phrase.text);
        if (at == std::string_view::npos) continue;
        std::int32_t yards = 0;
        if (phrase.hasNumber) {
            auto number = ScanInt(text.substr(at + phrase.text.size()));
            if (number) yards = phrase.sign > 0 ? number->value : Negated(number->value);
        }
        return Match{i, at, yards};
    }
    return std::nullopt;
}

}  // namespace gridtally
