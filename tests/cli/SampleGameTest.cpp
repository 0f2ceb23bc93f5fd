#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "cli/DumpCommand.h"

namespace gridtally {
namespace {

// The bundled sample game is written by tools/make-sample-game.py. Every figure below
// is the generator's own count of the events it made up (printed as JSON when it
// runs), not a reading of the log, so the dump is checked against an independent
// tally. Running the generator again rewrites the same log; change it, and these
// figures have to be copied anew from its output.
class SampleGame : public testing::Test {
protected:
    using Json = nlohmann::ordered_json;

    static void SetUpTestSuite() {
        std::ifstream in(GRIDTALLY_EXAMPLES_DIR "/riverside-at-hillcrest.log", std::ios::binary);
        ASSERT_TRUE(in) << "cannot open the sample game";
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        dump_ = new Json(DumpGameLog(bytes));
    }

    static void TearDownTestSuite() {
        delete dump_;
        dump_ = nullptr;
    }

    static const Json& Dump() { return *dump_; }

    // A counter of the named player, or -1 when the dump has no such player.
    static std::int64_t Count(std::string_view name, const char* counter) {
        for (const Json& player : Dump()["players"]) {
            if (player["name"] == name) return player[counter].get<std::int64_t>();
        }
        ADD_FAILURE() << "no player named " << name;
        return -1;
    }

    // A figure of the play-call record with this key, or -1 when there is none.
    static std::int64_t Call(std::string_view key, const char* field) {
        for (const Json& record : Dump()["playCalls"]) {
            if (record["key"] == key) return record[field].get<std::int64_t>();
        }
        ADD_FAILURE() << "no play call " << key;
        return -1;
    }

    static const Json& Totals(std::size_t club, std::size_t down, std::size_t distance) {
        return Dump()["teamTotals"][club]["counts"][down][distance];
    }

private:
    static inline Json* dump_ = nullptr;
};

TEST_F(SampleGame, ReadsEveryParagraphWithoutAMessage) {
    // 342 paragraphs, the last one closed by the empty line that ends the file.
    EXPECT_EQ(Dump()["statementCount"], 342);
    // The Otters kick off, so they hold the ball in the first situation.
    EXPECT_EQ(Dump()["team1Name"], "Riverside Otters");
    EXPECT_EQ(Dump()["team2Name"], "Hillcrest");
    EXPECT_EQ(Dump()["stdout"], Json::array());
    EXPECT_EQ(Dump()["stderr"], Json::array());
}

TEST_F(SampleGame, CreditsPassersRunnersAndReceivers) {
    // Sacks count as no attempt; hand-offs give the quarterback no carry, keepers do.
    EXPECT_EQ(Count("L\u00e9on Brandt", "passAttempts"), 29);
    EXPECT_EQ(Count("L\u00e9on Brandt", "completions"), 18);
    EXPECT_EQ(Count("L\u00e9on Brandt", "passYards"), 182);
    EXPECT_EQ(Count("L\u00e9on Brandt", "rushAttempts"), 2);
    EXPECT_EQ(Count("L\u00e9on Brandt", "rushYards"), 25);
    EXPECT_EQ(Count("Dario Vance", "rushAttempts"), 22);
    EXPECT_EQ(Count("Dario Vance", "rushYards"), 51);
    EXPECT_EQ(Count("Dario Vance", "fumbles"), 1);
    // The pick-six thrown by Tsai is no passing touchdown.
    EXPECT_EQ(Count("Ben Tsai", "passTouchdowns"), 3);
    EXPECT_EQ(Count("Abe Lindqvist", "receptions"), 7);
    EXPECT_EQ(Count("Abe Lindqvist", "receivingYards"), 146);
    EXPECT_EQ(Count("Abe Lindqvist", "touchdowns"), 2);
    // "St. " inside the name must not end the sentence.
    EXPECT_EQ(Count("Tom St. Clair", "receptions"), 4);
    EXPECT_EQ(Count("Tom St. Clair", "receivingYards"), 61);
}

TEST_F(SampleGame, CreditsDefendersAndReturns) {
    EXPECT_EQ(Count("Wes Varga", "tackles"), 15);
    EXPECT_EQ(Count("Kurt Baines", "sacks"), 2);
    EXPECT_EQ(Count("Finn Marlow", "interceptionYards"), 64);
    EXPECT_EQ(Count("Finn Marlow", "touchdowns"), 1);
    // The fumble return adds rushing yards without a carry.
    EXPECT_EQ(Count("Nate Brooks", "fumbleRecoveries"), 1);
    EXPECT_EQ(Count("Nate Brooks", "rushAttempts"), 0);
    EXPECT_EQ(Count("Nate Brooks", "rushYards"), 9);
    EXPECT_EQ(Count("Dario Vance", "kickReturnYards"), 270);
    EXPECT_EQ(Count("Dario Vance", "kickReturnTouchdowns"), 1);
    EXPECT_EQ(Count("Bj\u00f8rn Halvorsen", "puntReturns"), 6);
}

TEST_F(SampleGame, CreditsKickersAndPunters) {
    EXPECT_EQ(Count("Abel Moreau", "fieldGoalAttempts"), 3);
    EXPECT_EQ(Count("Abel Moreau", "fieldGoalsMade"), 2);
    EXPECT_EQ(Count("Abel Moreau", "longestFieldGoal"), 31);
    EXPECT_EQ(Count("Abel Moreau", "extraPointAttempts"), 4);
    EXPECT_EQ(Count("Abel Moreau", "extraPointsMade"), 3);
    EXPECT_EQ(Count("Hal Witt", "punts"), 6);
    EXPECT_EQ(Count("Hal Witt", "puntGrossYards"), 271);
    EXPECT_EQ(Count("Hal Witt", "puntNetYards"), 269);
}

TEST_F(SampleGame, CountsRunsAndPassesByDownAndDistance) {
    ASSERT_EQ(Dump()["teamTotals"].size(), 2u);
    EXPECT_EQ(Dump()["teamTotals"][0]["name"], "Riverside Otters");
    EXPECT_EQ(Totals(0, 0, 2), (Json{14, 13}));  // first and 10, sacks among the passes
    EXPECT_EQ(Totals(0, 2, 0), (Json{1, 0}));    // third and 1
    // Hillcrest's one fourth-down run, on "Fourth and less than 2": two to go.
    EXPECT_EQ(Totals(1, 3, 0), (Json{0, 0}));
    EXPECT_EQ(Totals(1, 3, 1), (Json{1, 0}));
}

TEST_F(SampleGame, TalliesThePlayCalls) {
    EXPECT_EQ(Dump()["playCalls"].size(), 58u);
    EXPECT_EQ(Call("Hillcrest|Dive Right|0", "calls"), 8);
    EXPECT_EQ(Call("Hillcrest|Dive Right|0", "yards"), 68);
    EXPECT_EQ(Call("Hillcrest|Deep Post|1", "calls"), 8);
    EXPECT_EQ(Call("Hillcrest|Deep Post|1", "yards"), 156);
    // The fumble lost on a 3-yard carry: the call keeps its 3 yards, not the 9 of
    // Hillcrest's return, and so does the defense that faced it.
    EXPECT_EQ(Call("Riverside Otters|Toss Left|0", "yards"), 5);
    EXPECT_EQ(Call("Hillcrest|Cover 2|3", "runYardsAllowed"), -3);
}

}  // namespace
}  // namespace gridtally
