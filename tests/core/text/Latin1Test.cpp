#include <gtest/gtest.h>

#include <string>

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

// A file name is shown as the UTF-8 it is, or read as Latin-1 when it is no UTF-8; as a
// cell it comes out of the cell's conversion as that same text, one character a
// character, whatever it holds.
TEST(Latin1, FileNamesShowAsTheirTextAndPassThroughCells) {
    struct Case {
        std::string name;
        std::string text;
        std::size_t characters;
    };
    for (const Case& c : {
             Case{"week-1.log", "week-1.log", 10},
             Case{"week-\xC3\xA9.log", "week-\xC3\xA9.log", 10},  // UTF-8, in Latin-1 too
             Case{"week-\xE9.log", "week-\xC3\xA9.log", 10},      // Latin-1, no UTF-8
             Case{"\xE9\x80\xB1-\xE2\x82\xAC.log", "\xE9\x80\xB1-\xE2\x82\xAC.log",
                  7},                                  // past Latin-1
             Case{"a\xC3(.log", "a\xC3\x83(.log", 7},  // cut short
             Case{"\x01x.log", "\x01x.log", 6},        // the cells' own mark
             Case{"", "", 0},
         }) {
        EXPECT_EQ(FileNameText(c.name), c.text) << c.name;
        std::string cell = FileNameCell(c.name);
        EXPECT_EQ(CellToUtf8(cell), c.text) << c.name;
        EXPECT_EQ(CellWidth(cell), c.characters) << c.name;
    }
    // Cells of the logs' own text are Latin-1, as ever.
    EXPECT_EQ(CellToUtf8("Ren\xE9"), "Ren\xC3\xA9");
    EXPECT_EQ(CellToUtf8("Ren\xC3\xA9"), "Ren\xC3\x83\xC2\xA9");
    EXPECT_EQ(CellWidth("Ren\xE9"), 4u);
}

}  // namespace
}  // namespace gridtally
