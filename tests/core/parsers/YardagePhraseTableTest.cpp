#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "core/parsers/YardagePhraseTable.h"

namespace gridtally {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct Case {
    const YardagePhraseTable& table;
    std::string text;
    const char* phrase;  // the phrase that matches; nullptr for none
    std::size_t position;
    std::int32_t yards;
};

TEST(YardagePhraseTable, TheFirstPhraseInTableOrderWinsAndGivesSignedYards) {
    const YardagePhraseTable& pass = YardagePhraseTable::Pass();
    const YardagePhraseTable& run = YardagePhraseTable::Run();
    // clang-format off
    const Case cases[] = {
        // "almost" and "just over" are tried before the plain phrase they begin with.
        {pass, "Al for a gain of almost 5 yards.", " for a gain of almost ", 2, 5},
        {pass, "Al for a gain of just over 12 yards.", " for a gain of just over ", 2, 12},
        {pass, "Al for a gain of 7 yards.", " for a gain of ", 2, 7},
        {pass, "Al for a short gain.", " for a short gain", 2, 0},
        {pass, "Al for a loss of almost 3 yards.", " for a loss of almost ", 2, -3},
        {pass, "Al for a loss of just over 2 yards.", " for a loss of just over ", 2, -2},
        {pass, "Al for a loss of 4 yards.", " for a loss of ", 2, -4},
        {pass, "Al for a short loss.", " for a short loss", 2, 0},
        {run, "Al runs for a gain of almost 5 yards.", " runs for a gain of almost ", 2, 5},
        {run, "Al runs for a gain of just over 1 yard.", " runs for a gain of just over ", 2, 1},
        {run, "Al runs for a gain of 9 yards.", " runs for a gain of ", 2, 9},
        {run, "Al runs for a short gain.", " runs for a short gain", 2, 0},
        {run, "Al runs for a loss of almost 3 yards.", " runs for a loss of almost ", 2, -3},
        {run, "Al runs for a loss of just over 2 yards.", " runs for a loss of just over ", 2, -2},
        {run, "Al runs for a short loss.", " runs for a short loss", 2, 0},
        {run, "Al runs for a loss of 6 yards.", " runs for a loss of ", 2, -6},
        {run, "Al downs the ball.", " downs the ball", 2, 0},
        {run, "Al downs the ball 2 yards back.", " downs the ball", 2, -2},
        // Table order, not text order: a gain told after a loss still wins.
        {pass, "Al for a loss of 3 yards, Bo for a gain of 5 yards", " for a gain of ", 28, 5},
        // The pass phrases are part of the run phrases, not the other way round.
        {pass, "Al runs for a gain of 8 yards.", " for a gain of ", 7, 8},
        {run, "Al is caught by Bo for a gain of 8 yards.", nullptr, 0, 0},
        // The number is read like %d: blanks skipped, a sign kept, 32 bits saturated.
        {pass, "Al for a gain of   7 yards.", " for a gain of ", 2, 7},
        {pass, "Al for a gain of 12yards.", " for a gain of ", 2, 12},
        {pass, "Al for a gain of -3 yards.", " for a gain of ", 2, -3},
        {pass, "Al for a loss of -3 yards.", " for a loss of ", 2, 3},
        {pass, "Al for a gain of 99999999999 yards.", " for a gain of ", 2, kMax},
        {pass, "Al for a loss of 99999999999 yards.", " for a loss of ", 2, -kMax},
        {pass, "Al for a loss of -99999999999 yards.", " for a loss of ", 2, kMax},
        // A phrase without a number that can be read still matches, for 0 yards.
        {pass, "Al for a gain of many yards.", " for a gain of ", 2, 0},
        {pass, "Al for a gain of", nullptr, 0, 0},
        {pass, "", nullptr, 0, 0},
        {pass, "for a gain of 5 yards", nullptr, 0, 0},
        {pass, "Al FOR A GAIN OF 5 yards", nullptr, 0, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto match = c.table.Find(c.text);
        if (!c.phrase) {
            EXPECT_FALSE(match);
            continue;
        }
        ASSERT_TRUE(match);
        EXPECT_EQ(c.table[match->index].text, c.phrase);
        EXPECT_EQ(match->position, c.position);
        EXPECT_EQ(match->yards, c.yards);
    }
}

}  // namespace
}  // namespace gridtally
