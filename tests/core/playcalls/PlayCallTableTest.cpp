#include <gtest/gtest.h>

#include "../CounterLines.h"
#include "core/playcalls/PlayCallTable.h"

namespace gridtally {
namespace {

PlayRec Play(const char* team, const char* play, PlayKind kind, int yards) {
    PlayRec rec;
    rec.key.team = team;
    rec.key.play = play;
    rec.key.kind = kind;
    rec.results.yards = yards;
    return rec;
}

// Credits a play as the play-call sentence does: defense first, then the offense with
// `calls` set.
void Credit(PlayCallTable& table, PlayRec& play, const char* defenseKey) {
    table.AddPlayResult(defenseKey, PlayKind::Defense, play);
    play.results.calls += 1;
    table.AddPlayCall(play);
}

TEST(AddPlayResult, OffenseSumsEveryCounterAndLeavesTheRunningTotalsInThePlay) {
    PlayCallTable table;
    PlayRec first = Play("Reds", "Dive", PlayKind::Run, 4);
    first.results.calls = 1;
    first.results.spare = 2;
    first.results.runsFaced = 1;  // summed too, although the parser leaves it 0
    table.AddPlayCall(first);

    PlayRec second = Play("Reds", "Dive", PlayKind::Run, -1);
    second.results.calls = 1;
    second.results.points = 6;
    table.AddPlayCall(second);

    const std::string totals = "Reds|Dive|0 yards 3 calls 2 spare 2 points 6 runsFaced 1";
    EXPECT_EQ(CallLines(table), std::vector<std::string>{totals});
    EXPECT_EQ(CallLine("Reds|Dive|0", second.results), totals);  // the play shows them too
}

TEST(AddPlayResult, DefenseCountsThePlayAndWhatItFacedButNotYardsOrPoints) {
    PlayCallTable table;
    PlayRec run = Play("Reds", "Dive", PlayKind::Run, 5);
    run.results.fumbles = 1;
    PlayRec pass = Play("Reds", "Slant", PlayKind::Pass, 12);
    pass.results.completions = 1;
    pass.results.touchdowns = 1;
    pass.results.points = 6;
    pass.results.spare = 1;
    PlayRec sack = Play("Reds", "Post", PlayKind::Pass, 0);
    sack.results.sacks = 1;
    sack.results.safeties = 1;
    PlayRec punt = Play("Reds", "Punt", PlayKind::Kick, 40);
    PlayRec unknown = Play("Reds", "Trick", PlayKind::None, 9);
    unknown.results.interceptions = 1;
    unknown.results.defTouchdowns = 1;

    for (PlayRec* play : {&run, &pass, &sack, &punt, &unknown}) {
        const std::string before = CallLine("", play->results);
        table.AddPlayResult("Blues|Base|3", PlayKind::Defense, *play);
        EXPECT_EQ(CallLine("", play->results), before);  // the play itself is untouched
    }
    EXPECT_EQ(CallLines(table),
              std::vector<std::string>{
                  "Blues|Base|3 calls 5 sacks 1 fumbles 1 interceptions 1 touchdowns 1 "
                  "defTouchdowns 1 safeties 1 spare 1 runsFaced 1 passesFaced 2 "
                  "runYardsAllowed 5 passYardsAllowed 12"});
}

TEST(AddPlayResult, ASecondPlayOfACallLeavesTwoCallsInRecordAndPlay) {
    PlayCallTable table;
    PlayRec a = Play("Reds", "Dive", PlayKind::Run, 3);
    PlayRec b = Play("Reds", "Dive", PlayKind::Run, 7);
    Credit(table, a, "Blues|Base|3");
    Credit(table, b, "Blues|Base|3");
    EXPECT_EQ(CallLines(table),
              (std::vector<std::string>{"Blues|Base|3 calls 2 runsFaced 2 runYardsAllowed 10",
                                        "Reds|Dive|0 yards 10 calls 2"}));
    EXPECT_EQ(CallLine("Reds|Dive|0", b.results), "Reds|Dive|0 yards 10 calls 2");
}

TEST(AddPlayResult, SumsWrapInsteadOfOverflowing) {
    PlayCallTable table;
    PlayRec a = Play("Reds", "Bomb", PlayKind::Pass, 2147483647);
    PlayRec b = Play("Reds", "Bomb", PlayKind::Pass, 1);
    table.AddPlayCall(a);
    table.AddPlayCall(b);
    EXPECT_EQ(table.Find("Reds|Bomb|1")->yards, -2147483647 - 1);
}

class FilledTable : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto [team, play, kind] :
             {std::tuple{"Reds", "Dive", PlayKind::Run}, std::tuple{"Reds", "Dive", PlayKind::Pass},
              std::tuple{"Reds", "Slant", PlayKind::Pass},
              std::tuple{"Reds", "Base", PlayKind::Defense},
              std::tuple{"reds", "Sweep", PlayKind::Run},
              std::tuple{"Blues", "Dive", PlayKind::Run}}) {
            PlayRec rec = Play(team, play, kind, 1);
            rec.results.calls = 1;
            table.AddPlayCall(rec);
        }
    }
    PlayCallTable table;
};

TEST_F(FilledTable, CollectPlayCallsListsOneClubAndKind) {
    std::vector<std::unique_ptr<PlayRec>> list;
    table.CollectPlayCalls(PlayKind::Pass, "Reds", list);
    ASSERT_EQ(list.size(), 2u);
    for (const auto& rec : list) {
        EXPECT_EQ(rec->key.team, "Reds");
        EXPECT_EQ(rec->key.kind, PlayKind::Pass);
        EXPECT_EQ(rec->results.calls, 1);
        EXPECT_EQ(rec->key.keyText, "Reds|" + rec->key.play.str() + "|1");
        EXPECT_EQ(rec->ballHandler, nullptr);
        EXPECT_EQ(rec->state.down, 0);
    }

    table.CollectPlayCalls(PlayKind::Defense, "Reds", list);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[2]->key.play, "Base");

    table.CollectPlayCalls(PlayKind::Run, "Greens", list);
    EXPECT_EQ(list.size(), 3u);
}

TEST_F(FilledTable, RemovePlayCallRemovesOnlyTheExactKey) {
    PlayRec rec = Play("Reds", "Dive", PlayKind::Pass, 0);
    EXPECT_TRUE(table.RemovePlayCall(rec));
    EXPECT_FALSE(table.RemovePlayCall(rec));
    EXPECT_NE(table.Find("Reds|Dive|0"), nullptr);
    EXPECT_EQ(table.size(), 5u);
}

TEST_F(FilledTable, RemoveTeamPlayCallsRemovesOneClubOrWithAnEmptyNameAll) {
    EXPECT_EQ(table.RemoveTeamPlayCalls("Reds"), 4);
    EXPECT_EQ(table.size(), 2u);
    EXPECT_EQ(table.RemoveTeamPlayCalls("Greens"), 0);
    EXPECT_EQ(table.RemoveTeamPlayCalls(""), 2);
    EXPECT_TRUE(table.empty());
}

TEST(PlayCallTable, AClubNamedWithTheSeparatorFindsItsCalls) {
    PlayCallTable table;
    PlayRec rec = Play("O|Town", "I|Form", PlayKind::Run, 3);
    table.AddPlayCall(rec);
    std::vector<std::unique_ptr<PlayRec>> list;
    table.CollectPlayCalls(PlayKind::Run, "O|Town", list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->key.play, "I/Form");
    EXPECT_TRUE(table.RemovePlayCall(*list[0]));  // the row addresses its record
    table.AddPlayCall(rec);
    EXPECT_EQ(table.RemoveTeamPlayCalls("O|Town"), 1);
}

TEST_F(FilledTable, CollectTeamNamesAddsEachClubOnce) {
    std::set<std::string> names{"Blues"};
    EXPECT_EQ(table.CollectTeamNames(names), 2);
    EXPECT_EQ(names, (std::set<std::string>{"Blues", "Reds", "reds"}));
    EXPECT_EQ(table.CollectTeamNames(names), 0);
}

}  // namespace
}  // namespace gridtally
