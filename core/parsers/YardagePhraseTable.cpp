#include "core/parsers/YardagePhraseTable.h"

#include <array>
#include <limits>
#include <vector>

#include "core/text/TextScan.h"

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

std::vector<std::string_view> PhraseTexts(std::span<const YardagePhraseTable::Phrase> phrases) {
    std::vector<std::string_view> texts;
    for (const auto& phrase : phrases) texts.push_back(phrase.text);
    return texts;
}

}  // namespace

YardagePhraseTable::YardagePhraseTable(std::span<const Phrase> phrases)
    : phrases_(phrases), search_(PhraseTexts(phrases)) {}

const YardagePhraseTable& YardagePhraseTable::Pass() {
    static const YardagePhraseTable table{kPassPhrases};
    return table;
}

const YardagePhraseTable& YardagePhraseTable::Run() {
    static const YardagePhraseTable table{kRunPhrases};
    return table;
}

std::optional<YardagePhraseTable::Match> YardagePhraseTable::Find(std::string_view text) const {
    PhraseSet::Hits hits = search_.Scan(text);
    if (!hits.Any()) return std::nullopt;
    std::size_t i = hits.FirstListed();
    const Phrase& phrase = phrases_[i];
    std::size_t at = hits.at[i];
    std::int32_t yards = 0;
    if (phrase.hasNumber) {
        auto number = ScanInt(text.substr(at + phrase.text.size()));
        if (number) yards = phrase.sign > 0 ? number->value : Negated(number->value);
    }
    return Match{i, at, yards};
}

}  // namespace gridtally
