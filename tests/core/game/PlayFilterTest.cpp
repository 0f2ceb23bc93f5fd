#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game/PlayFilter.h"

namespace gridtally {
namespace {

// A play of Otters against Rams: down, to go, yard line, score, quarter and kind.
Play MakePlay(int down, int toGo, int yardLine, int offenseScore, int defenseScore, int quarter = 1,
              PlayType type = PlayType::Run) {
    Play play;
    play.offense = "Otters";
    play.defense = "Rams";
    play.down = down;
    play.toGo = toGo;
    play.yardLine = yardLine;
    play.offenseScore = offenseScore;
    play.defenseScore = defenseScore;
    play.quarter = quarter;
    play.type = type;
    return play;
}

PlayFilter Filter(FilterCriterion criterion, const std::string& values) {
    PlayFilter filter;
    EXPECT_TRUE(AddFilterValues(filter, criterion, values)) << values;
    return filter;
}

TEST(PlayFilter, EachCriterionChoosesItsPlays) {
    using C = FilterCriterion;
    struct Case {
        FilterCriterion criterion;
        std::string values;
        Play play;
        bool chosen;
    };
    // clang-format off
    const Case cases[] = {
        {C::Down, "3", MakePlay(3, 7, 50, 0, 0), true},
        {C::Down, "3,4", MakePlay(4, 1, 50, 0, 0), true},
        {C::Down, "3", MakePlay(0, 0, 35, 0, 0, 1, PlayType::Kickoff), false},
        {C::Distance, "0-1", MakePlay(3, 1, 50, 0, 0), true},
        {C::Distance, "2-5", MakePlay(3, 6, 50, 0, 0), false},
        {C::Distance, "10+", MakePlay(1, 11, 50, 0, 0), true},
        {C::Distance, "0-1", MakePlay(0, 0, 35, 0, 0), false},  // no down, no distance
        {C::Zone, "own", MakePlay(1, 10, 39, 0, 0), true},
        {C::Zone, "midfield", MakePlay(1, 10, 40, 0, 0), true},
        {C::Zone, "midfield", MakePlay(1, 10, 60, 0, 0), true},
        {C::Zone, "opponent", MakePlay(1, 10, 61, 0, 0), true},
        {C::Zone, "red-zone", MakePlay(1, 10, 79, 0, 0), false},
        {C::Zone, "red-zone", MakePlay(1, 10, 80, 0, 0), true},
        {C::Zone, "goal-to-go", MakePlay(1, 8, 92, 0, 0), true},
        {C::Zone, "goal-to-go", MakePlay(1, 10, 85, 0, 0), false},
        {C::Zone, "own,red-zone", MakePlay(1, 10, -1, 0, 0), false},  // no yard line read
        {C::Score, "leading", MakePlay(1, 10, 50, 7, 3), true},
        {C::Score, "tied", MakePlay(1, 10, 50, 7, 7), true},
        {C::Score, "trailing-1-8", MakePlay(1, 10, 50, 0, 8), true},
        {C::Score, "trailing-1-8", MakePlay(1, 10, 50, 0, 9), false},
        {C::Score, "trailing-9+", MakePlay(1, 10, 50, 0, 9), true},
        {C::Quarter, "5", MakePlay(1, 10, 50, 0, 0, 5), true},
        {C::Quarter, "4", MakePlay(1, 10, 50, 0, 0, 5), false},
        {C::Kind, "pass,sack", MakePlay(2, 10, 50, 0, 0, 1, PlayType::Sack), true},
        {C::Kind, "field_goal", MakePlay(4, 3, 75, 0, 0, 1, PlayType::Run), false},
    };
    // clang-format on
    for (const Case& c : cases) {
        PlayFilter filter = Filter(c.criterion, c.values);
        EXPECT_EQ(filter.Accepts(c.play), c.chosen)
            << filter.Describe() << " / down " << c.play.down << " to go " << c.play.toGo << " at "
            << c.play.yardLine;
    }
}

TEST(PlayFilter, ClubsCriteriaCombineAndUnknownValuesAreNamed) {
    Play play = MakePlay(3, 2, 85, 10, 14, 4);
    PlayFilter filter = Filter(FilterCriterion::Down, "3");
    filter.offense = {"Otters"};
    filter.opponent = {"Rams", "Bears"};
    EXPECT_TRUE(filter.Accepts(play));
    EXPECT_EQ(filter.Describe(), "offense Otters; opponent Rams,Bears; down 3");
    filter.defense = {"Otters"};
    EXPECT_FALSE(filter.Accepts(play));
    EXPECT_TRUE(PlayFilter{}.Accepts(play));
    EXPECT_TRUE(PlayFilter{}.Empty());

    PlayFilter untouched;
    Failure why;
    EXPECT_FALSE(AddFilterValues(untouched, FilterCriterion::Zone, "own,redzone", &why));
    EXPECT_EQ(why.reason,
              "--zone: \"redzone\" is not one of own, midfield, opponent, red-zone or goal-to-go");
    EXPECT_TRUE(untouched.Empty());  // nothing of a bad list is taken
    EXPECT_FALSE(AddFilterValues(untouched, FilterCriterion::Down, "", &why));
    EXPECT_EQ(why.reason, "--down: \"\" is not one of 1, 2, 3 or 4");
}

// The command line and the window make filters from typed options through one function:
// criteria by their options, clubs as Latin-1, and every refusal worded alike.
TEST(PlayFilter, TypedOptionsMakeTheSameFilterWhoeverTypedThem) {
    PlayFilter filter;
    for (auto [option, typed] : {std::pair{"--down", "3,4"},
                                 {"--zone", "red-zone"},
                                 {"--offense", "Caf\xC3\xA9"},
                                 {"--opponent", "Rams"}}) {
        EXPECT_TRUE(AddFilterOption(filter, option, typed)) << option;
    }
    EXPECT_EQ(filter.Describe(), "offense Caf\xE9; opponent Rams; down 3,4; zone red-zone");

    const std::pair<std::pair<const char*, const char*>, const char*> refused[] = {
        {{"--down", "5"}, "--down: \"5\" is not one of 1, 2, 3 or 4"},
        {{"--defense", "Caf\xE9"}, "--defense: \"Caf\\xE9\" is not valid UTF-8 (byte 4)"},
        {{"--offense", "\xE2\x82\xAC"},
         "--offense: \"\xE2\x82\xAC\" has characters outside Latin-1 (U+20AC)"},
        {{"--team", "Rams"}, "--team: no such filter"},
    };
    for (const auto& [typed, reason] : refused) {
        PlayFilter untouched;
        Failure why;
        EXPECT_FALSE(AddFilterOption(untouched, typed.first, typed.second, &why)) << typed.first;
        EXPECT_EQ(why.reason, reason);
        EXPECT_TRUE(untouched.Empty());
    }
}

}  // namespace
}  // namespace gridtally
