#include <gtest/gtest.h>

#include "core/text/Latin1.h"

namespace gridtally {
namespace {

TEST(Latin1, EveryByteGoesToUtf8AndBack) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
    std::string utf8 = Latin1ToUtf8(all);
    EXPECT_EQ(utf8.size(), 128u + 2 * 128u);
    EXPECT_EQ(Latin1ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(Utf8ToLatin1(utf8), all);
}

TEST(Latin1, Utf8ThatIsInvalidOrBeyondLatin1HasNoLatin1Form) {
    struct Case {
        const char* utf8;
        const char* why;
    };
    for (const Case& c : {
             Case{"ok\xC3", "is not valid UTF-8 (byte 3)"},        // cut short
             Case{"\xE2\x82", "is not valid UTF-8 (byte 1)"},      // cut short
             Case{"a\x80", "is not valid UTF-8 (byte 2)"},         // stray continuation
             Case{"\xC3\xA9\xA9", "is not valid UTF-8 (byte 3)"},  // one too many
             Case{"\xC3(", "is not valid UTF-8 (byte 1)"},         // continuation missing
             Case{"\xC0\xAF", "is not valid UTF-8 (byte 1)"},      // overlong '/'
             Case{"\xC1\xBF", "is not valid UTF-8 (byte 1)"},      // overlong DEL
             Case{"\xE0\x83\xA9", "is not valid UTF-8 (byte 1)"},  // overlong U+00E9
             Case{"\xF0\x80\x80\xAF", "is not valid UTF-8 (byte 1)"},
             Case{"\xED\xA0\x80", "is not valid UTF-8 (byte 1)"},      // surrogate
             Case{"\xF4\x90\x80\x80", "is not valid UTF-8 (byte 1)"},  // past U+10FFFF
             Case{"\xF8\x88\x80\x80\x80", "is not valid UTF-8 (byte 1)"},
             Case{"\xFF", "is not valid UTF-8 (byte 1)"},
             Case{"\xC4\x80", "has characters outside Latin-1 (U+0100)"},
             Case{"5 \xE2\x82\xAC", "has characters outside Latin-1 (U+20AC)"},
             Case{"\xF0\x9F\x8F\x88", "has characters outside Latin-1 (U+1F3C8)"},
         }) {
        std::string why;
        EXPECT_EQ(Utf8ToLatin1(c.utf8, &why), std::nullopt) << c.utf8;
        EXPECT_EQ(why, c.why) << c.utf8;
    }
    // The edges that are valid.
    EXPECT_EQ(Utf8ToLatin1("\xC2\x80\xC3\xBF"), "\x80\xFF");
    EXPECT_EQ(Utf8ToLatin1(""), "");
    EXPECT_EQ(DecodeUtf8("\xF4\x8F\xBF\xBF", 0)->codePoint, 0x10FFFFu);
    EXPECT_EQ(DecodeUtf8("\xEF\xBF\xBF", 0)->length, 3u);
}

}  // namespace
}  // namespace gridtally
