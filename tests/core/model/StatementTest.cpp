#include <gtest/gtest.h>

#include "core/model/GameState.h"
#include "core/model/PlayerRoster.h"
#include "core/model/Statement.h"
#include "core/model/TeamTotals.h"
#include "core/parsers/StatementParser.h"
#include "core/playcalls/PlayCallTable.h"
#include "core/text/Diagnostics.h"

namespace gridtally {
namespace {

TEST(ClassifyStatement, FirstMatchWins) {
    struct Case {
        std::string text;
        StatementKind kind;
    };
    const std::string mark(1, SentenceMark);
    for (const Case& c : {
             Case{"", StatementKind::Empty},
             Case{"   Drive summary. That was a long drive.", StatementKind::Ignored},
             Case{"   The score is A 0, B 0.", StatementKind::Ignored},
             Case{"WEATHER: Rain", StatementKind::WeatherHeader},
             Case{"weather:", StatementKind::WeatherHeader},
             Case{"Weather", StatementKind::Ignored},
             Case{"STADIUM: Lakeside", StatementKind::StadiumHeader},
             Case{"Weather: The score is A 0, B 0.", StatementKind::WeatherHeader},
             Case{"A's ball. The score is A 0, B 0. That was X.", StatementKind::Situation},
             Case{"A runs. That was Dive (1) against B's Base (2).", StatementKind::Play},
             Case{"Lineup" + mark + "Offense" + mark + "Defense", StatementKind::Personnel},
             Case{"Lineup" + mark + "Offense", StatementKind::Ignored},
             Case{"Lineup" + mark + mark + mark, StatementKind::Ignored},
             Case{"Prairie Dogs at Comets", StatementKind::Ignored},
         }) {
        EXPECT_EQ(ClassifyStatement(c.text), c.kind) << c.text;
    }
}

std::string Marked(std::string text) {
    MarkSentences(text);
    for (char& c : text) {
        if (c == SentenceMark) c = '|';
    }
    return text;
}

TEST(MarkSentences, EndsSentencesAtFullStopsAndBangs) {
    struct Case {
        std::string text, marked;
    };
    // clang-format off
    for (const Case& c : {
             Case{"He runs. He falls. Done.", "He runs.|He falls.|Done."},
             Case{"Touchdown, Rams! That was Dive.", "Touchdown, Rams!|That was Dive."},
             Case{"What? No. ", "What? No.|"},
             Case{"Tom St. Clair runs. Ok", "Tom St. Clair runs.|Ok"},
             Case{"At St.  Paul. X", "At St.  Paul.|X"},  // only "St. " is exempt
             // A full stop at index 0 to 2 never ends a sentence; bangs have no such rule.
             Case{"No. more", "No. more"}, Case{"A. B. Cee. D", "A. B.|Cee.|D"},
             Case{"Yes. x", "Yes.|x"}, Case{"! x", "!|x"},
             Case{"a!", "a!"},  // too short to mark at all
             // A statement with marks of its own gets no new ones.
             Case{"Lineup\x05Offense: QB #1 Al. Defense: DE #2 Bo. Others.",
                  "Lineup|Offense: QB #1 Al. Defense: DE #2 Bo. Others."},
         }) {
        EXPECT_EQ(Marked(c.text), c.marked) << c.text;
    }
    // clang-format on
}

class ParseStatementTest : public ::testing::Test {
protected:
    StatementKind Parse(std::string text) {
        last = std::move(text);
        return ParseStatement(last, parse, playCalls, roster, totals);
    }

    std::string last;
    DiagnosticsCapture capture;
    LogParse parse{capture};
    std::unique_ptr<GameState>& state = parse.currentState;
    PlayCallTable playCalls;
    PlayerRoster roster;
    std::array<TeamTotals, 2> totals;
};

TEST_F(ParseStatementTest, CountsEveryStatementEvenEmptyOnes) {
    EXPECT_EQ(Parse(""), StatementKind::Empty);
    EXPECT_EQ(Parse(""), StatementKind::Empty);
    EXPECT_EQ(Parse("   ignored"), StatementKind::Ignored);
    EXPECT_EQ(Parse("Weather: fine"), StatementKind::WeatherHeader);
    EXPECT_EQ(parse.statementCount, 4);
}

TEST_F(ParseStatementTest, MarksEveryKindButIgnoredStatements) {
    Parse("Prairie Dogs at Comets. Kickoff. ");
    EXPECT_EQ(last, "Prairie Dogs at Comets. Kickoff. ");
    Parse("A's ball on the 50 yard line. First and 10. The score is A 0, B 0. More.");
    EXPECT_EQ(std::count(last.begin(), last.end(), SentenceMark), 3);
}

TEST_F(ParseStatementTest, ASituationOpensTheStateAndTheNextPlayClosesIt) {
    EXPECT_EQ(Parse("A's ball on the 50 yard line. First and 10. The score is A 0, B 0. X."),
              StatementKind::Situation);
    ASSERT_NE(state, nullptr);
    GameState* opened = state.get();
    Parse("A's ball on the 50 yard line. Second and 10. The score is A 0, B 0. X.");
    EXPECT_EQ(state.get(), opened);  // a second situation fills the same state

    EXPECT_EQ(Parse("A runs. That was Dive (1) against B's Base (2)."), StatementKind::Play);
    EXPECT_EQ(state, nullptr);
    // A play with no situation before it is handled without one.
    EXPECT_EQ(Parse("A runs. That was Dive (1) against B's Base (2)."), StatementKind::Play);
    EXPECT_EQ(state, nullptr);
}

TEST_F(ParseStatementTest, SituationsNameTheClubsOnceAndPlaysCreditTheirCalls) {
    Parse(
        "Rams's ball on their 20 yard line. First and 10. Clock. "
        "The score is Otters 0, Rams 0. Rams has possession.");
    EXPECT_EQ(totals[0].name, "Rams");
    EXPECT_EQ(totals[1].name, "Otters");
    Parse(
        "Bears's ball on their 20 yard line. First and 10. Clock. "
        "The score is Bears 0, Lions 0. Bears has possession.");
    EXPECT_EQ(totals[0].name, "Rams");
    EXPECT_EQ(totals[1].name, "Otters");

    Parse("Something odd happens. That was Dive (1) against Otters's Base (2).");
    EXPECT_EQ(state, nullptr);
    EXPECT_NE(playCalls.Find("Bears|Dive|5"), nullptr);
    EXPECT_NE(playCalls.Find("Otters|Base|3"), nullptr);
    ASSERT_EQ(capture.stderrMessages().size(), 1u);
    EXPECT_EQ(capture.stderrMessages()[0],
              "ERROR parsing statement (line 3):  "
              "Something odd happens.\x05That was Dive (1) against Otters's Base (2).\n");
    // The number counts this reading's statements, not the process's.
    DiagnosticsCapture otherCapture;
    LogParse other{otherCapture};
    Statement again = "Something odd happens. That was Dive (1).";
    ParseStatement(again, other, playCalls, roster, totals);
    ASSERT_EQ(otherCapture.stderrMessages().size(), 1u);
    EXPECT_TRUE(otherCapture.stderrMessages()[0].starts_with("ERROR parsing statement (line 1):"));
    EXPECT_EQ(capture.stderrMessages().size(), 1u);
}

TEST_F(ParseStatementTest, APlayWithoutASituationIsReadAgainstABlankOne) {
    Parse("Odd. That was Dive (1) against Base (2).");
    EXPECT_NE(playCalls.Find("|Dive|5"), nullptr);  // no offense known
    EXPECT_NE(playCalls.Find("|Base|3"), nullptr);  // nor a defense
    EXPECT_TRUE(totals[0].name.empty());
    EXPECT_TRUE(totals[1].name.empty());
}

TEST_F(ParseStatementTest, PlaysThatAreCalledBackOrUnmarkedCreditNoCall) {
    Parse("The run is called back. That was Dive (1) against Otters's Base (2).");
    EXPECT_TRUE(playCalls.empty());
    EXPECT_TRUE(capture.stderrMessages().empty());
    Parse("That was Dive (1) against Otters's Base (2)");
    EXPECT_TRUE(playCalls.empty());
    EXPECT_EQ(capture.stderrMessages().size(), 1u);
}

TEST_F(ParseStatementTest, PersonnelAndHeadersChangeNothing) {
    Parse(
        "Lineup\x05Offense: QB #1 Al Cole\x05"
        "Defense: DE #2 Bo Lane");
    Parse("Stadium: St. Agnes Field");
    EXPECT_TRUE(roster.empty());
    EXPECT_EQ(state, nullptr);
    EXPECT_TRUE(totals[0].name.empty());
}

}  // namespace
}  // namespace gridtally
