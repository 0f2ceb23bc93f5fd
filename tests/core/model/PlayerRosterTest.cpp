#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/model/PlayerRef.h"
#include "core/model/PlayerRoster.h"

namespace gridtally {
namespace {

TEST(ParsePlayerRef, ReadsPositionNumberAndName) {
    struct Case {
        const char* text;
        const char* position;
        const char* numberWord;
        const char* name;
    };
    for (const Case& c : {
             Case{"QB #12 Jon Vance.", "QB", "#12", "Jon Vance"},
             Case{"QB #12 Jon Vance ", "QB", "#12", "Jon Vance"},
             Case{"QB #12 Jon Vance. \t", "QB", "#12", "Jon Vance"},
             Case{"  WR #81\tTom St. Clair", "WR", "#81", "Tom St. Clair"},
             Case{"P1 #62 Bj\xF6rn Gray", "P1", "#62", "Bj\xF6rn Gray"},
             Case{"HB #2", "HB", "#2", ""},
         }) {
        auto ref = ParsePlayerRef(c.text);
        ASSERT_TRUE(ref) << c.text;
        EXPECT_EQ(ref->position, c.position) << c.text;
        EXPECT_EQ(ref->numberWord, c.numberWord) << c.text;
        EXPECT_EQ(ref->name, c.name) << c.text;
    }
}

TEST(ParsePlayerRef, NeedsABlankBeforeTheNumberSignAndTwoWords) {
    for (const char* text : {"#12 Jon Vance", "QB#12 Jon Vance", "Jon Vance", "", " #"}) {
        EXPECT_FALSE(ParsePlayerRef(text)) << text;
    }
}

TEST(ParsePlayerRef, TheNameStartsAfterTheNumberWordItself) {
    // The position word holds the number word's text; the name must not start inside it.
    auto ref = ParsePlayerRef("#1X #1 Al Cole");
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->name, "Al Cole");
}

TEST(JerseyNumber, ReadsAtMostTwoDigits) {
    const std::pair<const char*, int> cases[] = {
        {"#7", 7}, {"#12", 12}, {"#123", 12}, {"#99999999999", 99},
        {"#", 0},  {"#x1", 0},  {"QB", 0}};
    for (const auto& [word, number] : cases) EXPECT_EQ(JerseyNumber(word), number) << word;
}

TEST(FindOrAddPlayer, CreatesOnFirstMentionAndKeepsThatRecord) {
    PlayerRoster roster;
    PlayerRec* first = FindOrAddPlayer("QB #12 Jon Vance.", "Otters", roster);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->name, "Jon Vance");
    EXPECT_EQ(first->team, "Otters");
    EXPECT_EQ(first->position, "QB");
    EXPECT_EQ(first->number, 12);
    EXPECT_EQ(first->touchdowns, 0);
    EXPECT_EQ(first->extraPointsBlocked, 0);

    PlayerRec* again = FindOrAddPlayer("WR #3 Jon Vance", "Rams", roster);
    EXPECT_EQ(again, first);
    EXPECT_EQ(first->team, "Otters");
    EXPECT_EQ(first->position, "QB");
    EXPECT_EQ(first->number, 12);

    PlayerRec* other = FindOrAddPlayer("HB #22 Dario Vance", "Otters", roster);
    ASSERT_NE(other, nullptr);
    EXPECT_NE(other, first);
    ASSERT_EQ(roster.size(), 2u);
    EXPECT_EQ(roster.at(0), first);
    EXPECT_EQ(roster.at(1), other);

    EXPECT_EQ(FindOrAddPlayer("Dario Vance", "Otters", roster), nullptr);
    EXPECT_EQ(roster.size(), 2u);
}

TEST(FindOrAddPlayer, CutsOverlongFieldsAndStillFindsThePlayerAgain) {
    PlayerRoster roster;
    std::string longName(80, 'n');
    std::string longTeam = "The Extraordinarily Long Named Club of Football";
    PlayerRec* player = FindOrAddPlayer("LONGPOS #123 " + longName, longTeam, roster);
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->name.view(), longName.substr(0, 63));
    EXPECT_EQ(player->team.view(), longTeam.substr(0, 31));
    EXPECT_EQ(player->position, "LON");
    EXPECT_EQ(player->number, 12);

    EXPECT_EQ(FindOrAddPlayer("LONGPOS #123 " + longName, longTeam, roster), player);
    EXPECT_EQ(FindPlayerByName(roster, longName), player);
    EXPECT_EQ(FindPlayerByPosition(roster, longTeam, "LON"), player);
    EXPECT_EQ(roster.size(), 1u);
}

TEST(FindPlayer, ByNameAndByTeamAndPositionFirstMatchWins) {
    PlayerRoster roster;
    PlayerRec* k = FindOrAddPlayer("K #3 Abel Moreau", "Rams", roster);
    PlayerRec* p1 = FindOrAddPlayer("P1 #17 Carl Zimmer", "Rams", roster);
    FindOrAddPlayer("P1 #62 Bjorn Gray", "Rams", roster);
    PlayerRec* otherP1 = FindOrAddPlayer("P1 #9 Gus Lind", "Otters", roster);

    EXPECT_EQ(FindPlayerByName(roster, "Abel Moreau"), k);
    EXPECT_EQ(FindPlayerByName(roster, "abel moreau"), nullptr);
    EXPECT_EQ(FindPlayerByPosition(roster, "Rams", "P1"), p1);
    EXPECT_EQ(FindPlayerByPosition(roster, "Otters", "P1"), otherP1);
    EXPECT_EQ(FindPlayerByPosition(roster, "Otters", "P"), nullptr);
    EXPECT_EQ(FindPlayerByPosition(roster, "rams", "P1"), nullptr);
}

}  // namespace
}  // namespace gridtally
