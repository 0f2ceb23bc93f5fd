#include <gtest/gtest.h>

#include <limits>

#include "core/text/TextScan.h"

namespace gridtally {
namespace {

TEST(ScanInt, ReadsLikePercentD) {
    struct Case {
        const char* text;
        std::int32_t value;
        std::size_t length;
    };
    for (const Case& c :
         {Case{"12 yards.", 12, 2}, Case{"  -7", -7, 4}, Case{"+3x", 3, 2}, Case{"0", 0, 1}}) {
        auto got = ScanInt(c.text);
        ASSERT_TRUE(got) << c.text;
        EXPECT_EQ(got->value, c.value) << c.text;
        EXPECT_EQ(got->length, c.length) << c.text;
    }
    EXPECT_FALSE(ScanInt(""));
    EXPECT_FALSE(ScanInt("yards"));
    EXPECT_FALSE(ScanInt("- 4"));
}

TEST(ScanInt, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(ScanInt("99999999999999999999")->value, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ScanInt("-99999999999999999999")->value, std::numeric_limits<std::int32_t>::min());
}

TEST(TextScan, AcceptsLatin1BytesEverywhere) {
    EXPECT_FALSE(IsSpace('\xA0'));
    EXPECT_FALSE(IsDigit('\xB2'));
    EXPECT_TRUE(StartsWithNoCase("WEATHER: x", "Weather:"));
    EXPECT_FALSE(StartsWithNoCase("\xC9t\xE9", "\xE9t"));  // only ASCII folds
    EXPECT_EQ(SkipBlanks(" \t x "), "x ");
}

TEST(FindText, AnswersAsStringViewFindDoes) {
    // Phrases with and without leading blanks, at the ends, overlapping, past the end.
    const char* texts[] = {
        "",     " ",       "  punts 45 yards",      "Lind punts", " punts", "punts ", "a  b   c",
        "aaab", "x'sy's ", "\x05 kicks off to \x05"};
    const char* phrases[] = {"",
                             " ",
                             "  ",
                             " punts ",
                             " punts",
                             "punts",
                             "aab",
                             "ab",
                             "'s ",
                             "   c",
                             " kicks off to ",
                             "\x05",
                             "longer than any text here"};
    for (std::string_view text : texts) {
        for (std::string_view phrase : phrases) {
            EXPECT_EQ(FindText(text, phrase), text.find(phrase))
                << '"' << text << "\" / \"" << phrase << '"';
        }
    }
    // Every cut of a sentence, so a phrase is found only where it stands whole.
    std::string_view sentence = "Otters's P #4 Gus Lind punts 45 yards to Rams's WR #16 Stu Stone.";
    for (std::size_t start = 0; start <= sentence.size(); ++start) {
        for (std::size_t end = start; end <= sentence.size(); end += 3) {
            std::string_view cut = sentence.substr(start, end - start);
            for (std::string_view phrase : {" punts ", " yards to ", "'s ", " #"}) {
                ASSERT_EQ(FindText(cut, phrase), cut.find(phrase));
            }
        }
    }
}

}  // namespace
}  // namespace gridtally
