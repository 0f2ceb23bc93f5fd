#include <gtest/gtest.h>

#include <string>

#include "core/text/Printf.h"

namespace gridtally {
namespace {

TEST(Printf, FormatsLikePrintfAndNeverCutsALongField) {
    const std::string longName(5000, 'n');
    struct Case {
        std::string got, expected;
    };
    const Case cases[] = {
        {Printf("%d", 42), "42"},
        {Printf("%d", -7), "-7"},
        {Printf("%s", "Otters"), "Otters"},
        {Printf("%.1f", 12.34), "12.3"},
        {Printf("%.1f", 7.96), "8.0"},
        {Printf("%.1f", -0.04), "-0.0"},
        {Printf("%-3d|", 5), "5  |"},
        {Printf("%3d|", 5), "  5|"},
        {Printf("%-3d|", 12345), "12345|"},  // a width is a minimum, never a cut
        {Printf("%-12s%4d%6.1f", "Al Cole", 12, 4.3), "Al Cole       12   4.3"},
        {Printf("%s", "L\xE9on"), "L\xE9on"},  // Latin-1 bytes pass as they are
        {Printf("%s|", longName.c_str()), longName + "|"},
        {Printf("%-300s|", "a"), "a" + std::string(299, ' ') + "|"},
        {Printf("%s", ""), ""},
        {Printf("%.0s", "cut"), ""},
        {Printf("a%cb", 0), std::string("a\0b", 3)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.expected);
}

}  // namespace
}  // namespace gridtally
