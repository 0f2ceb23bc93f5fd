#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/GameState.h"
#include "core/model/Statement.h"
#include "core/parsers/SituationParser.h"

namespace gridtally {
namespace {

std::string Situation(const std::string& ball, const std::string& down,
                      const std::string& score = "The score is Rams 0, Otters 0") {
    return ball + ". " + down + ". There are 12:00 left in the first quarter. " + score +
           ". Rams has possession.";
}

std::string RamsOwn20(const std::string& down) {
    return Situation("Rams's ball on their 20 yard line", down);
}

std::string FirstAndTen(const std::string& ball, const std::string& score) {
    return Situation(ball, "First and 10", score);
}

// Statements read one after another into one state, the last one's result and the state
// they leave.
struct Case {
    int result;
    std::string offense, defense;
    int down, toGo;
    std::vector<std::string> statements;
};

TEST(ParseSituation, ReadsSidesDownAndDistance) {
    const std::string longTeam(100, 'R'), longWord(200, 'w');
    // clang-format off
    const Case cases[] = {
        {0, "Rams", "Otters", 1, 10, {RamsOwn20("First and 10")}},
        {0, "Rams", "Otters", 1, 10, {RamsOwn20("FIRST and 10")}},
        {0, "Rams", "Otters", 1, 10, {RamsOwn20("first and 10")}},
        {0, "Rams", "Otters", 4, 2, {RamsOwn20("Fourth and less than 2")}},
        {0, "Rams", "Otters", 3, 9, {RamsOwn20("Third and just over 9")}},
        {0, "Rams", "Otters", 2, 10, {RamsOwn20("SECOND and just over 10")}},
        {0, "Rams", "Otters", 2, 20, {RamsOwn20("Second and goal")}},
        {0, "Rams", "Otters", 3, 20, {RamsOwn20("Third and GOAL")}},
        {0, "Rams", "Otters", 1, 0, {RamsOwn20("First and inches")}},
        {0, "Rams", "Otters", 0, 0, {RamsOwn20("Rams will kick off")}},
        {0, "Rams", "Otters", 3, 4, {RamsOwn20("  \tThird and 4")}},
        // The yard line, with or without an apostrophe, is the distance of a goal to go.
        {0, "Rams", "Otters", 1, 7,
         {Situation("Rams's ball on Otters's 7 yard line", "First and goal")}},
        {0, "Prairie Dogs", "Comets", 2, 50,
         {Situation("Prairie Dogs's ball on the 50 yard line", "Second and goal",
                    "The score is Prairie Dogs 0, Comets 0")}},
        {0, "Rams", "Otters", 1, -1, {Situation("Rams's ball on", "First and goal")}},
        // The defense is the club of the score that does not have the ball.
        {0, "Otters", "Rams", 1, 10,
         {FirstAndTen("Otters's ball on their 20 yard line", "The score is Rams 0, Otters 7")}},
        {0, "Rams", "Otters", 1, 10,
         {FirstAndTen("Rams's ball on their 20 yard line", "The score is Rams 0, Otters 7")}},
        {0, "Prairie Dogs", "Comets", 1, 10,
         {FirstAndTen("Prairie Dogs's ball on their 20 yard line", "The score is Prairie Dogs 10, "
                      "Comets 3")}},
        {0, "Comets", "Prairie Dogs", 1, 10,
         {FirstAndTen("Comets's ball on their 20 yard line", "The score is Prairie Dogs 10, "
                      "Comets 3")}},
        {0, "Comets", "Harbor City", 1, 10,
         {FirstAndTen("Comets's ball on their 20 yard line", "The score is Comets 10, Harbor "
                      "City 3")}},
        {0, "Harbor City", "Iron Men", 1, 10,
         {FirstAndTen("Harbor City's ball on their 20 yard line", "The score is Harbor City 14, "
                      "Iron Men 21")}},
        // A score that ends the statement is not read.
        {0, "Rams", "", 1, 10,
         {"Rams's ball on their 20 yard line. First and 10. There are 12:00 left. The score is "
          "Rams 0, Otters 0."}},
        // Without a mark nothing is read; the unended last sentence still is.
        {-1, "", "", 0, 0, {"No marks in here"}},
        {0, "Rams", "", 3, 3, {"Rams's ball on their 20 yard line. Third and 3"}},
        // A second situation keeps what it does not set.
        {0, "Rams", "Otters", 2, 4, {RamsOwn20("Second and 4"), "Timeout Rams. Nothing else. "}},
        // Overlong names and words are cut, never overflowed.
        {0, longTeam.substr(0, 63), longWord.substr(0, 63), 2, 20,
         {Situation(longTeam + "'s ball on " + longWord + " 20 yard line", "Second and goal",
                    "The score is " + longTeam + " 0, " + longWord + " 0")}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statements.back());
        GameState state;
        int result = 0;
        for (std::string text : c.statements) {
            MarkSentences(text);
            result = ParseSituation(text, state);
        }
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(state.offense.view(), c.offense);
        EXPECT_EQ(state.defense.view(), c.defense);
        EXPECT_EQ(state.down, c.down);
        EXPECT_EQ(state.toGo, c.toGo);
    }
}

// What a situation tells beyond the state: quarter, clock, the ball's place from the
// offense's own goal line, and the score in the sentence's order.
TEST(ParseSituation, ReadsQuarterClockBallPositionAndScore) {
    struct Reading {
        int quarter, clock, yardLine;
        std::vector<std::pair<std::string, int>> score;
        std::string statement;
    };
    const std::vector<std::pair<std::string, int>> ramsOtters{{"Rams", 0}, {"Otters", 0}};
    auto at = [](const std::string& clock) {
        return "Rams's ball on their 20 yard line. First and 10. " + clock +
               ". The score is Rams 0, Otters 0. Rams has possession.";
    };
    // clang-format off
    const Reading cases[] = {
        {1, 720, 20, ramsOtters, RamsOwn20("First and 10")},
        {1, 720, 93, ramsOtters, Situation("Rams's ball on Otters's 7 yard line", "First and goal")},
        {1, 720, 30, ramsOtters, Situation("Rams's ball on Rams's 30 yard line", "First and 10")},
        {1, 720, 35, ramsOtters, Situation("Rams's ball on own 35 yard line", "First and 10")},
        {1, 720, 50, ramsOtters, Situation("Rams's ball on the 50 yard line", "First and 10")},
        {1, 720, 35, ramsOtters, Situation("Rams's ball on their 35 yard line", "Rams will kick off")},
        // A side word it does not know, a place off the field, no number: unread.
        {1, 720, -1, ramsOtters, Situation("Rams's ball on midfield 40 yard line", "First and 10")},
        {1, 720, -1, ramsOtters, Situation("Rams's ball on Otters's 150 yard line", "First and 10")},
        {1, 720, -1, ramsOtters, Situation("Rams's ball on Otters's yard line", "First and 10")},
        {1, 720, -1, ramsOtters, Situation("Rams's ball", "First and 10")},
        {4, 7, 20, ramsOtters, at("There are 0:07 left in the fourth quarter")},
        {3, 900, 20, ramsOtters, at("There are 15:00 left in the third quarter")},
        {5, 300, 20, ramsOtters, at("There are 5:00 left in overtime")},
        {2, -1, 20, ramsOtters, at("There is no time left in the second quarter")},
        {0, -1, 20, ramsOtters, at("There are 12:5 left")},
        {0, -1, 20, ramsOtters, at("Clock stopped")},
        {1, 720, 20, {{"Prairie Dogs", 10}, {"Comets", 3}},
         Situation("Rams's ball on their 20 yard line", "First and 10",
                   "The score is Prairie Dogs 10, Comets 3")},
        {1, 720, 20, {{"Harbor City", 14}, {"Iron Men", 21}},
         Situation("Rams's ball on their 20 yard line", "First and 10",
                   "The score is Harbor City 14, Iron Men 21")},
        // A score that cannot be read, or that ends the statement, is not.
        {1, 720, 20, {}, Situation("Rams's ball on their 20 yard line", "First and 10",
                                   "The score is Rams, Otters")},
        {1, 720, 20, {}, "Rams's ball on their 20 yard line. First and 10. There are 12:00 left "
                         "in the first quarter. The score is Rams 0, Otters 0."},
        {0, -1, 20, {}, "Rams's ball on their 20 yard line. First and 10"},
    };
    // clang-format on
    for (const Reading& c : cases) {
        SCOPED_TRACE(c.statement);
        std::string text = c.statement;
        MarkSentences(text);
        GameState state;
        SituationReading reading;
        reading.quarter = 9;  // every field is read anew
        ASSERT_EQ(ParseSituation(text, state, &reading), 0);
        EXPECT_EQ(reading.quarter, c.quarter);
        EXPECT_EQ(reading.clock, c.clock);
        EXPECT_EQ(reading.yardLine, c.yardLine);
        std::vector<std::pair<std::string, int>> score;
        if (reading.score) {
            for (const auto& side : *reading.score) score.emplace_back(side.name, side.points);
        }
        EXPECT_EQ(score, c.score);
    }
}

}  // namespace
}  // namespace gridtally
