#include <gtest/gtest.h>

#include <limits>

#include "text/TextScan.h"

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

}  // namespace
}  // namespace gridtally
