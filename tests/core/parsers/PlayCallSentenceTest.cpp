#include <gtest/gtest.h>

#include "text/Diagnostics.h"
#include "parsers/PlayCallSentence.h"
#include "playcalls/PlayCallTable.h"

namespace gridtally {
namespace {

class PlayCallSentenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        play.key.team = "Otters";
        play.key.kind = PlayKind::Run;
        play.state.offense = "Otters";
        play.state.defense = "Rams";
    }

    int Read(std::string_view sentence) { return ReadPlayCallSentence(sentence, play, table); }

    DiagnosticsCapture capture;
    PlayRec play;
    PlayCallTable table;
};

TEST_F(PlayCallSentenceTest, CreditsTheDefenseAndTheOffenseCall) {
    play.results.yards = 4;
    EXPECT_EQ(Read("That was Dive Right (12) against Rams's Cover 2 (14)."), 0);
    ASSERT_EQ(table.size(), 2u);
    const PlayCallRec* offense = table.Find("Otters|Dive Right|0");
    const PlayCallRec* defense = table.Find("Rams|Cover 2|3");
    ASSERT_NE(offense, nullptr);
    ASSERT_NE(defense, nullptr);
    EXPECT_EQ(offense->calls, 1);
    EXPECT_EQ(offense->yards, 4);
    EXPECT_EQ(defense->calls, 1);
    EXPECT_EQ(defense->runsFaced, 1);
    EXPECT_EQ(defense->runYardsAllowed, 4);
    EXPECT_EQ(play.key.play, "Dive Right");
}

TEST_F(PlayCallSentenceTest, WithoutBracketsTheFirstWordIsThePlay) {
    EXPECT_EQ(Read("That was Slant against Rams's Prevent (33)."), 0);
    EXPECT_NE(table.Find("Otters|Slant|0"), nullptr);
    EXPECT_NE(table.Find("Rams|Prevent|3"), nullptr);

    EXPECT_EQ(Read("That was Slant against Rams's Prevent."), 0);
    EXPECT_NE(table.Find("Rams|Prevent.|3"), nullptr);
}

TEST_F(PlayCallSentenceTest, ADefenseWithoutATeamIsTheStatesDefense) {
    EXPECT_EQ(Read("That was Dive (1) against Goal Line (5)."), 0);
    EXPECT_NE(table.Find("Rams|Goal Line|3"), nullptr);
}

TEST_F(PlayCallSentenceTest, AnEmptyOffensePartIsReportedAndCreditedUnderAnEmptyName) {
    EXPECT_EQ(Read("That was  against Rams's Blitz (9)."), -1);
    EXPECT_EQ(capture.stdoutMessages(), std::vector<std::string>{"Error parsing Off Play: \n"});
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table.Find("Otters||0")->calls, 1);
}

TEST_F(PlayCallSentenceTest, WithoutAgainstOnlyTheOffenseIsCredited) {
    EXPECT_EQ(Read("That was Dive (1)."), 0);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_NE(table.Find("Otters||0"), nullptr);
    EXPECT_TRUE(capture.stdoutMessages().empty());
}

TEST_F(PlayCallSentenceTest, AnUnreadableDefensePlayCreditsOnlyTheOffenseSilently) {
    EXPECT_EQ(Read("That was Dive (1) against Rams's "), -1);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_NE(table.Find("Otters|Dive|0"), nullptr);
    EXPECT_TRUE(capture.stdoutMessages().empty());
}

TEST_F(PlayCallSentenceTest, NoThatWasCreditsNothing) {
    EXPECT_EQ(Read("Dive (1) against Rams's Base (2)."), 0);
    EXPECT_TRUE(table.empty());
    EXPECT_EQ(play.results.calls, 0);
}

TEST_F(PlayCallSentenceTest, OverlongPlayNamesAreCut) {
    std::string offensePlay(200, 'o');
    std::string defensePlay(100, 'd');
    Read("That was " + offensePlay + " (1) against Rams's " + defensePlay + " (2).");
    EXPECT_EQ(play.key.play.view(), offensePlay.substr(0, 127));
    EXPECT_NE(table.Find("Rams|" + defensePlay.substr(0, 63) + "|3"), nullptr);
}

}  // namespace
}  // namespace gridtally
