#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlayFixture.h"
#include "core/parsers/PlayCallSentence.h"
#include "core/playcalls/PlayCallTable.h"
#include "core/playcalls/PlayRec.h"
#include "core/text/Diagnostics.h"

namespace gridtally {
namespace {

// One sentence read for a run of 4 yards by the Otters against the Rams.
struct Case {
    std::string sentence;
    int result;
    std::string offensePlay;         // the play's key afterwards
    std::vector<std::string> calls;  // CallLines
    std::vector<std::string> printed = {};
};

TEST(ReadPlayCallSentence, CreditsTheDefenseAndTheOffenseCall) {
    const std::string longOffense(200, 'o'), longDefense(100, 'd');
    const std::string faced = " calls 1 runsFaced 1 runYardsAllowed 4";
    // clang-format off
    const Case cases[] = {
        {"That was Dive Right (12) against Rams's Cover 2 (14).", 0, "Dive Right",
         {"Otters|Dive Right|0 yards 4 calls 1", "Rams|Cover 2|3" + faced}},
        // Without brackets the first word is the play.
        {"That was Slant against Rams's Prevent (33).", 0, "Slant",
         {"Otters|Slant|0 yards 4 calls 1", "Rams|Prevent|3" + faced}},
        {"That was Slant against Rams's Prevent.", 0, "Slant",
         {"Otters|Slant|0 yards 4 calls 1", "Rams|Prevent.|3" + faced}},
        // A defense without a team is the situation's defense.
        {"That was Dive (1) against Goal Line (5).", 0, "Dive",
         {"Otters|Dive|0 yards 4 calls 1", "Rams|Goal Line|3" + faced}},
        // Without a play name the offense is credited under an empty one. Without
        // "against" only the offense is credited, under the name it gives.
        {"That was  against Rams's Blitz (9).", -1, "", {"Otters||0 yards 4 calls 1"},
         {"Error parsing Off Play: \n"}},
        {"That was Dive (1).", 0, "Dive", {"Otters|Dive|0 yards 4 calls 1"}},
        {"That was Dive.", 0, "Dive.", {"Otters|Dive.|0 yards 4 calls 1"}},
        {"That was ", -1, "", {"Otters||0 yards 4 calls 1"}, {"Error parsing Off Play: \n"}},
        // A defense play that cannot be read leaves the defense out, silently.
        {"That was Dive (1) against Rams's ", -1, "Dive", {"Otters|Dive|0 yards 4 calls 1"}},
        {"Dive (1) against Rams's Base (2).", 0, "", {}},
        // Overlong play names are cut to their fields.
        {"That was " + longOffense + " (1) against Rams's " + longDefense + " (2).", 0,
         longOffense.substr(0, 127),
         {"Otters|" + longOffense.substr(0, 127) + "|0 yards 4 calls 1",
          "Rams|" + longDefense.substr(0, 63) + "|3" + faced}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sentence);
        DiagnosticsCapture capture;
        PlayTrace trace;
        trace.diagnostics = &capture;
        PlayCallTable table;
        PlayRec play;
        play.trace = &trace;
        play.key.team = "Otters";
        play.key.kind = PlayKind::Run;
        play.state.offense = "Otters";
        play.state.defense = "Rams";
        play.results.yards = 4;
        EXPECT_EQ(ReadPlayCallSentence(c.sentence, play, table), c.result);
        EXPECT_EQ(play.key.play.view(), c.offensePlay);
        EXPECT_EQ(play.results.calls, c.calls.empty() ? 0 : 1);
        EXPECT_EQ(CallLines(table), c.calls);
        EXPECT_EQ(capture.stdoutMessages(), c.printed);
    }
}

}  // namespace
}  // namespace gridtally
