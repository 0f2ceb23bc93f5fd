#include <gtest/gtest.h>

#include <string>

#include "model/GameState.h"
#include "parsers/SituationParser.h"
#include "model/Statement.h"

namespace gridtally {
namespace {

int Parse(std::string text, GameState& state) {
    MarkSentences(text);
    return ParseSituation(text, state);
}

GameState Parsed(const std::string& text) {
    GameState state;
    EXPECT_EQ(Parse(text, state), 0) << text;
    return state;
}

std::string Situation(const std::string& ball, const std::string& down,
                      const std::string& score = "The score is Rams 0, Otters 0") {
    return ball + ". " + down + ". There are 12:00 left in the first quarter. " + score +
           ". Rams has possession.";
}

TEST(ParseSituation, ReadsDownAndDistanceInEveryForm) {
    struct Case {
        const char* down;
        int expectedDown;
        int expectedToGo;
    };
    for (Case c :
         {Case{"First and 10", 1, 10}, Case{"FIRST and 10", 1, 10}, Case{"first and 10", 1, 10},
          Case{"Fourth and less than 2", 4, 2}, Case{"Third and just over 9", 3, 9},
          Case{"SECOND and just over 10", 2, 10}, Case{"Second and goal", 2, 20},
          Case{"Third and GOAL", 3, 20}, Case{"First and inches", 1, 0},
          Case{"Rams will kick off", 0, 0}, Case{"  \tThird and 4", 3, 4}}) {
        GameState state = Parsed(Situation("Rams's ball on their 20 yard line", c.down));
        EXPECT_EQ(state.down, c.expectedDown) << c.down;
        EXPECT_EQ(state.toGo, c.expectedToGo) << c.down;
    }
}

TEST(ParseSituation, ReadsTheBallPositionWithOrWithoutAnApostrophe) {
    GameState theirs = Parsed(Situation("Rams's ball on Otters's 7 yard line", "First and goal"));
    EXPECT_EQ(theirs.offense, "Rams");
    EXPECT_EQ(theirs.toGo, 7);

    GameState own = Parsed(Situation("Prairie Dogs's ball on the 50 yard line", "Second and goal",
                                     "The score is Prairie Dogs 0, Comets 0"));
    EXPECT_EQ(own.offense, "Prairie Dogs");
    EXPECT_EQ(own.toGo, 50);

    // No yard line read: a goal to go is -1 yards.
    GameState none = Parsed(Situation("Rams's ball on", "First and goal"));
    EXPECT_EQ(none.toGo, -1);
}

TEST(ParseSituation, NamesTheDefenseFromTheScore) {
    struct Case {
        const char* ball;
        const char* score;
        const char* offense;
        const char* defense;
    };
    for (Case c : {
             Case{"Rams's ball on their 20 yard line", "The score is Rams 0, Otters 7", "Rams",
                  "Otters"},
             Case{"Otters's ball on their 20 yard line", "The score is Rams 0, Otters 7", "Otters",
                  "Rams"},
             Case{"Prairie Dogs's ball on their 20 yard line",
                  "The score is Prairie Dogs 10, Comets 3", "Prairie Dogs", "Comets"},
             Case{"Comets's ball on their 20 yard line", "The score is Prairie Dogs 10, Comets 3",
                  "Comets", "Prairie Dogs"},
             Case{"Comets's ball on their 20 yard line", "The score is Comets 10, Harbor City 3",
                  "Comets", "Harbor City"},
             Case{"Harbor City's ball on their 20 yard line",
                  "The score is Harbor City 14, Iron Men 21", "Harbor City", "Iron Men"},
         }) {
        GameState state = Parsed(Situation(c.ball, "First and 10", c.score));
        EXPECT_EQ(state.offense, c.offense) << c.score;
        EXPECT_EQ(state.defense, c.defense) << c.score;
    }
}

TEST(ParseSituation, AScoreThatEndsTheStatementIsNotRead) {
    GameState state;
    EXPECT_EQ(Parse("Rams's ball on their 20 yard line. First and 10. There are 12:00 left. "
                    "The score is Rams 0, Otters 0.",
                    state),
              0);
    EXPECT_EQ(state.offense, "Rams");
    EXPECT_EQ(state.down, 1);
    EXPECT_TRUE(state.defense.empty());
}

TEST(ParseSituation, StopsWhereTheSentencesEnd) {
    GameState state;
    EXPECT_EQ(Parse("No marks in here", state), -1);
    EXPECT_TRUE(state.offense.empty());

    EXPECT_EQ(Parse("Rams's ball on their 20 yard line. Third and 3", state), 0);
    EXPECT_EQ(state.down, 3);  // the unended second sentence is still read
    EXPECT_EQ(state.toGo, 3);
}

TEST(ParseSituation, ASecondSituationKeepsWhatItDoesNotSet) {
    GameState state;
    Parse(Situation("Rams's ball on their 20 yard line", "Second and 4"), state);
    Parse("Timeout Rams. Nothing else. ", state);
    EXPECT_EQ(state.offense, "Rams");
    EXPECT_EQ(state.defense, "Otters");
    EXPECT_EQ(state.down, 2);
    EXPECT_EQ(state.toGo, 4);
}

TEST(ParseSituation, OverlongNamesAndWordsAreCutNotOverflowed) {
    std::string longTeam(100, 'R');
    std::string longWord(200, 'w');
    GameState state =
        Parsed(Situation(longTeam + "'s ball on " + longWord + " 20 yard line", "Second and goal",
                         "The score is " + longTeam + " 0, " + longWord + " 0"));
    EXPECT_EQ(state.offense.view(), longTeam.substr(0, 63));
    EXPECT_EQ(state.toGo, 20);
    EXPECT_EQ(state.defense.view(), longWord.substr(0, 63));
}

}  // namespace
}  // namespace gridtally
