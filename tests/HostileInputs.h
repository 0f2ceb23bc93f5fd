#pragma once

// Files nobody means to hand the program, which it must survive all the same: logs and
// Play DBs come from other people's machines. Made in memory; the tests that need them
// on disk write them.

#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace gridtally::hostile {

struct HostileFile {
    std::string name;
    std::string bytes;
    bool gameLog;  // whether it holds a statement the program recognises
};

inline std::string Repeated(const std::string& piece, std::size_t size) {
    std::string text;
    text.reserve(size + piece.size());
    while (text.size() < size) text += piece;
    text.resize(size);
    return text;
}

inline std::string RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random());
    return bytes;
}

inline const std::string kSituation =
    "Rams's ball on their 30 yard line. Second and 10. Clock 12:00. The score is Rams 0, "
    "Otters 0. Rams has possession.\n\n";

// A run whose play call closes the statement; `middle` goes between the two.
inline std::string Play(const std::string& middle) {
    return "Rams's HB #22 Al Bo runs for a gain of 4 yards. " + middle +
           "That was Dive (1) against Otters's Base (2).\n\n";
}

// Every place the parser reads a "%d" number, far past 32 bits either way.
inline std::string HugeNumbers() {
    const std::string big = "99999999999999999999";
    const std::string small = "-99999999999999999999";
    return "Rams's ball on their " + big + " yard line. Second and " + small +
           ". Clock. The score is Rams " + big + ", Otters " + small + ".\n\n" +
           "Rams's ball on Otters's " + small + " yard line. Fourth and less than " + big +
           ". Clock. The score is Rams 1, Otters 2.\n\n" + "Rams's HB #" + big +
           " Al Bo runs for a gain of " + big + " yards. That was Dive (" + big +
           ") against Otters's Base (" + small + ").\n\n" +
           "The pass from Rams's QB #2 Max Walsh is caught by WR #8 Cy Dee for a loss of " + small +
           " yards. That was Slant (1) against Base (2).\n\n" + "Otters's P #4 Gus Lind punts " +
           big +
           " yards to Rams's WR #8 Cy Dee. Cy Dee "
           "returns the kick for " +
           big + " yards. Net punt yardage was " + small +
           ". That was Punt (3) against Return (4).\n\n" +
           "The pass from Rams's QB #2 Max Walsh is intercepted by Otters's S #29 Wes Varga and "
           "returned for a gain of " +
           big + " yards. That was Deep (9) against Zone (10).\n\n" +
           "Rams's K #3 Al Roe kicks off to Otters's RB #22 Bo Dee. Bo Dee returns the kick for " +
           small + " yards. That was Kickoff (7) against Return (8).\n\n" +
           "Rams's K #3 Al Roe attempts a " + big +
           " yard field goal. The kick is good. That "
           "was FG (5) against Block (6).\n\n";
}

// Names and play names far longer than the fields that hold them.
inline std::string LongNames() {
    const std::string club = Repeated("Long Club ", 10000);
    const std::string player = Repeated("Name ", 10000);
    const std::string play = Repeated("Play", 10000);
    return club + "'s ball on their 30 yard line. First and 10. Clock. The score is " + club +
           " 0, " + club + "x 0.\n\n" + club + "'s HB #22 " + player +
           " runs for a gain of 4 yards. That was " + play + " (1) against " + club + "x's " +
           play + " (2).\n\n";
}

// The logs of the hostile suite; sizes are chosen so that a run that is not linear in
// them shows (the long line is 50 MB).
inline std::vector<HostileFile> HostileLogs() {
    const std::string sentence = "Rams's HB #22 Al Bo runs for a gain of 4 yards. ";
    std::string marks = Repeated(std::string(99, '\x05') + "\n", 1 << 20);
    for (std::size_t at = 1000; at < marks.size(); at += 1000) marks[at] = '\n';
    return {
        {"empty.log", "", false},
        {"random.log", RandomBytes(1 << 20, 1), false},
        {"nul-bytes.log", std::string(1 << 16, '\0') + "\n\n", false},
        {"long-line-no-end.log", Repeated(sentence, 50u << 20), false},
        {"long-statement.log", kSituation + Repeated(sentence, 50u << 20) + "\n\n", true},
        {"marks.log", marks, false},
        {"many-sentences.log", kSituation + Play(Repeated("Touchdown, Rams. ", 17 * 100000)), true},
        {"long-names.log", LongNames(), true},
        {"huge-numbers.log", HugeNumbers(), true},
    };
}

}  // namespace gridtally::hostile
