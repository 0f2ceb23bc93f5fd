#include <gtest/gtest.h>

#include <sstream>

#include "cli/DumpCommand.h"

namespace gridtally {
namespace {

// A small game written by hand: lineups, a situation and one run.
constexpr std::string_view kLog =
    "Turfa Football Game Log\n"
    "\n"
    "Otters lineup\x05Offense: QB #7 L\xE9on Brandt\x05"
    "Defense: DE #95 Karl Nyberg\n"
    "\n"
    "Otters's ball on their 26 yard line. First and 10. There are 14:51 left\n"
    "in the first quarter. The score is Otters 0, Rams 0. Otters has possession.\n"
    "\n"
    "Otters's HB #22 Dario Vance runs for a gain of 4 yards. That was Dive\n"
    "(12) against Rams's Base (1).\n"
    "\n"
    "Never closed.\n";

TEST(DumpGameLog, HasEveryMemberInOrder) {
    auto json = DumpGameLog(kLog);
    std::vector<std::string> keys;
    for (auto it = json.begin(); it != json.end(); ++it) keys.push_back(it.key());
    EXPECT_EQ(keys,
              (std::vector<std::string>{"statementCount", "team1Name", "team2Name", "teamTotals",
                                        "players", "playCalls", "stdout", "stderr"}));
    EXPECT_EQ(json["statementCount"], 4);
    ASSERT_EQ(json["teamTotals"].size(), 2u);
    EXPECT_EQ(json["teamTotals"][0]["counts"].size(), 4u);
    EXPECT_EQ(json["teamTotals"][0]["counts"][3].size(), 4u);
    EXPECT_EQ(json["teamTotals"][0]["counts"][3][3], (nlohmann::json{0, 0}));
    EXPECT_TRUE(json["stdout"].is_array());
    EXPECT_TRUE(json["stderr"].is_array());
}

TEST(DumpGameLog, ListsTheClubsAndThePlayCallsSortedByKey) {
    auto json = DumpGameLog(kLog);
    EXPECT_EQ(json["team1Name"], "Otters");
    EXPECT_EQ(json["team2Name"], "Rams");
    EXPECT_EQ(json["teamTotals"][0]["name"], "Otters");
    EXPECT_EQ(json["teamTotals"][1]["name"], "Rams");
    ASSERT_EQ(json["playCalls"].size(), 2u);
    EXPECT_EQ(json["playCalls"][0]["key"], "Otters|Dive|0");
    EXPECT_EQ(json["playCalls"][0]["team"], "Otters");
    EXPECT_EQ(json["playCalls"][0]["play"], "Dive");
    EXPECT_EQ(json["playCalls"][0]["kind"], 0);
    EXPECT_EQ(json["playCalls"][0]["calls"], 1);
    EXPECT_EQ(json["playCalls"][1]["key"], "Rams|Base|3");
    EXPECT_EQ(json["playCalls"][1]["calls"], 1);
    EXPECT_EQ(json["playCalls"][1].size(), 4u + 15u);
}

TEST(RunDump, PrintsJsonForAReadableFile) {
    std::ostringstream out, err;
    EXPECT_EQ(RunDump(GRIDTALLY_EXAMPLES_DIR "/riverside-at-hillcrest.log", {out, err}), 0);
    EXPECT_TRUE(err.str().empty());
    auto json = nlohmann::json::parse(out.str());
    // The generated sample game: every paragraph, the last one too, is closed.
    EXPECT_EQ(json["statementCount"], 342);
}

TEST(RunDump, NamesTheFileAndTheReasonWhenItCannotBeRead) {
    for (const char* path : {"/no/such/file.log", GRIDTALLY_EXAMPLES_DIR}) {
        std::ostringstream out, err;
        EXPECT_EQ(RunDump(path, {out, err}), 1) << path;
        EXPECT_TRUE(out.str().empty());
        std::string message = err.str();
        EXPECT_NE(message.find(path), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), message.size() - 1) << "one line: " << message;
    }
}

TEST(DumpGameLog, MapsLogBytesToLatin1CodePoints) {
    auto json = DumpGameLog("Weather: 20\xB0 in M\xFCnchen\n\n");
    EXPECT_EQ(json.dump().find("\xB0"), std::string::npos);  // nothing raw gets through
    EXPECT_NO_THROW((void)json.dump());
}

}  // namespace
}  // namespace gridtally
