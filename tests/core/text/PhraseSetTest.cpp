#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/text/PhraseSet.h"
#include "core/text/TextScan.h"

namespace gridtally {
namespace {

// Every answer of a scan must be the one string_view::find gives for that phrase alone.
void ExpectSameAsFind(const PhraseSet& set, const std::vector<std::string_view>& phrases,
                      std::string_view text) {
    PhraseSet::Hits hits = set.Scan(text);
    std::size_t firstListed = PhraseSet::kMaxPhrases;
    for (std::size_t i = 0; i < phrases.size(); ++i) {
        std::size_t expected = text.find(phrases[i]);
        ASSERT_EQ(hits.At(i), expected) << '"' << text << "\" / \"" << phrases[i] << '"';
        if (expected != std::string_view::npos && firstListed == PhraseSet::kMaxPhrases) {
            firstListed = i;
        }
    }
    ASSERT_EQ(hits.FirstListed(), firstListed) << text;
}

TEST(PhraseSet, AnswersAsFindDoesForEachPhrase) {
    // Leading blanks, one byte, all blanks, prefixes of each other, shared anchors,
    // overlapping repeats, a mark byte, Latin-1, longer than any text.
    const std::vector<std::string_view> phrases{
        " punts ",
        "punts",
        " ",
        "  ",
        "'s ",
        "goes out of bounds",
        "goes out of bound",
        "aab",
        "ab",
        "\x05",
        " kicks off to ",
        "\xE9t\xE9 ",
        "x",
        "   c",
        "a phrase that is longer than every one of the texts below, by some way"};
    const PhraseSet set{phrases[0],  phrases[1],  phrases[2],  phrases[3],  phrases[4],
                        phrases[5],  phrases[6],  phrases[7],  phrases[8],  phrases[9],
                        phrases[10], phrases[11], phrases[12], phrases[13], phrases[14]};
    const char* texts[] = {"",
                           " ",
                           "x",
                           "  punts 45 yards",
                           "Lind punts",
                           "aaab",
                           "a  b   c",
                           "x'sy's ",
                           "\x05 kicks off to \x05",
                           "The kickoff goes out of bound",
                           "The kickoff goes out of bounds.",
                           "Caf\xE9 \xE9t\xE9 punts 45 yards and then aaab again, much later on"};
    for (std::string_view text : texts) ExpectSameAsFind(set, phrases, text);

    // Every cut of two sentences, so each phrase crosses every block boundary of the scan
    // and is found only where it stands whole.
    const std::string sentences =
        "Otters's P #4 Gus Lind punts 45 yards to Rams's WR #16 Stu Stone. The kickoff goes "
        "out of bounds. \x05 Rams's K #3 Al Roe kicks off to Otters's RB #22 Bo Dee.";
    for (std::size_t start = 0; start <= sentences.size(); ++start) {
        for (std::size_t end = start; end <= sentences.size(); ++end) {
            ExpectSameAsFind(set, phrases, std::string_view(sentences).substr(start, end - start));
        }
    }
}

TEST(PhraseSet, RefusesWhatItCannotHold) {
    EXPECT_THROW(PhraseSet({"a", ""}), std::invalid_argument);
    std::vector<std::string_view> tooMany(PhraseSet::kMaxPhrases + 1, "a");
    EXPECT_THROW(PhraseSet{tooMany}, std::invalid_argument);
    std::vector<std::string_view> full(PhraseSet::kMaxPhrases, "same");
    PhraseSet::Hits hits = PhraseSet{full}.Scan("the same words");
    EXPECT_EQ(hits.found, ~0u);  // a phrase listed twice is found under both
    EXPECT_EQ(hits.At(PhraseSet::kMaxPhrases - 1), 4u);
}

}  // namespace
}  // namespace gridtally
