#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CliFixture.h"
#include "cli/DbCommand.h"
#include "core/playdb/PlayDB.h"
#include "core/playdb/PlayDBFile.h"

namespace gridtally {
namespace {

const std::string kSample = GRIDTALLY_EXAMPLES_DIR "/riverside-at-hillcrest.log";

class DbCommandTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        db = Path("season.pdb");
    }
    nlohmann::json Dump() {
        EXPECT_EQ(Call([&](Streams io) { return RunDbDump(db, io); }), 0) << err.str();
        return nlohmann::json::parse(out.str());
    }
    std::string Bytes() { return CliTest::Bytes(db); }

    std::string db;
};

TEST_F(DbCommandTest, AddingALogTwiceDoublesItAndTheFileReloadsAsWritten) {
    EXPECT_EQ(Call([&](Streams io) { return RunDbAdd(db, {kSample}, io); }), 0);
    nlohmann::json once = Dump();
    ASSERT_FALSE(once["playCalls"].empty());
    EXPECT_EQ(once["teamTotals"].size(), 2u);
    EXPECT_EQ(once["teamTotals"][0]["name"], "Hillcrest");  // sorted by name

    EXPECT_EQ(Call([&](Streams io) { return RunDbAdd(db, {kSample}, io); }), 0);
    nlohmann::json twice = Dump();
    ASSERT_EQ(twice["playCalls"].size(), once["playCalls"].size());
    for (std::size_t i = 0; i < once["playCalls"].size(); ++i) {
        EXPECT_EQ(twice["playCalls"][i]["calls"], 2 * once["playCalls"][i]["calls"].get<int>());
    }
    EXPECT_EQ(twice["teamTotals"][1]["counts"][0][2][0],
              2 * once["teamTotals"][1]["counts"][0][2][0].get<int>());

    // Loading and saving again gives the same records.
    std::string bytes = Bytes();
    PlayDB reloaded;
    EXPECT_TRUE(LoadPlayDB(bytes, reloaded).Clean());
    EXPECT_EQ(SerializePlayDB(reloaded).size(), bytes.size());
    std::string error;
    ASSERT_TRUE(SavePlayDBFile(reloaded, db, &error)) << error;
    EXPECT_EQ(Dump(), twice);
}

TEST_F(DbCommandTest, TeamsShowAndDelete) {
    Call([&](Streams io) { return RunDbAdd(db, {kSample}, io); });
    EXPECT_EQ(Call([&](Streams io) { return RunDbTeams(db, io); }), 0);
    EXPECT_EQ(out.str(), "Hillcrest\nRiverside Otters\n");

    EXPECT_EQ(Call([&](Streams io) { return RunDbShow(db, "Hillcrest", {}, io); }), 0);
    std::string pages = out.str();
    EXPECT_TRUE(pages.starts_with("Hillcrest - Running Plays\nPlay\tCalls\t"));
    for (const char* title :
         {"\f\nHillcrest - Passing Plays\n", "\f\nHillcrest - Defensive Plays\n",
          "\f\nHillcrest - Tendencies\n"}) {
        EXPECT_NE(pages.find(title), std::string::npos) << title;
    }
    EXPECT_EQ(Call([&](Streams io) { return RunDbShow(db, "Comets", {}, io); }), 1);
    EXPECT_NE(err.str().find("no team named \"Comets\""), std::string::npos);

    EXPECT_EQ(Call([&](Streams io) { return RunDbDeleteTeams(db, {"Hillcrest"}, io); }), 0);
    EXPECT_EQ(Call([&](Streams io) { return RunDbTeams(db, io); }), 0);
    EXPECT_EQ(out.str(), "Riverside Otters\n");
    EXPECT_EQ(Dump()["teamTotals"].size(), 1u);
    EXPECT_EQ(Call([&](Streams io) { return RunDbDeleteTeams(db, {"Nobody", ""}, io); }), 1);
    EXPECT_EQ(Call([&](Streams io) { return RunDbTeams(db, io); }), 0);
    EXPECT_EQ(out.str(), "Riverside Otters\n");
}

TEST_F(DbCommandTest, AnUnreadableLogIsReportedAndTheRestIsAddedWhenKeepingGoing) {
    EXPECT_EQ(Call([&](Streams io) {
                  return RunDbAdd(db, {"/no/such.log", kSample}, io, true);
              }),
              1);
    EXPECT_NE(err.str().find("/no/such.log"), std::string::npos);
    nlohmann::json json = Dump();
    EXPECT_EQ(json["teamTotals"].size(), 3u);  // the empty name of the unread file too
    EXPECT_EQ(json["teamTotals"][0]["name"], "");
}

TEST_F(DbCommandTest, AFileThatIsNoPlayDBLoadsWithAWarning) {
    EXPECT_EQ(Call([&](Streams io) { return RunDbDump(kSample, io, true); }), 0);
    EXPECT_NE(err.str().find("not a Play DB"), std::string::npos) << err.str();
    // Such a file is never overwritten.
    std::string log = (dir / "game.log").string();
    std::filesystem::copy_file(kSample, log);
    auto size = std::filesystem::file_size(log);
    EXPECT_EQ(Call([&](Streams io) { return RunDbAdd(log, {kSample}, io); }), 1);
    EXPECT_NE(err.str().find("not changing"), std::string::npos) << err.str();
    EXPECT_EQ(std::filesystem::file_size(log), size);

    EXPECT_EQ(Call([&](Streams io) { return RunDbTeams((dir / "none.pdb").string(), io); }), 1);
    EXPECT_NE(err.str().find("cannot read"), std::string::npos);
}

}  // namespace
}  // namespace gridtally
