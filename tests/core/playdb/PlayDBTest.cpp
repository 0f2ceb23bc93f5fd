#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/playdb/PlayDB.h"
#include "core/playdb/PlayDBFile.h"
#include "core/text/Diagnostics.h"

namespace gridtally {
namespace {

// A small game: the Otters run twice against the given opponent.
std::string Game(const std::string& opponent) {
    std::string log;
    for (int toGo : {10, 3}) {
        log += "Otters's ball on their 30 yard line. Second and " + std::to_string(toGo) +
               ". Clock.\nThe score is Otters 0, " + opponent + " 0. Otters has possession.\n\n";
        log +=
            "Otters's HB #22 Dario Vance runs for a gain of 4 yards. That was Dive (1)\n"
            "against " +
            opponent + "'s Base (2).\n\n";
    }
    return log;
}

// The DB's records in a fixed order: the table's own order means nothing.
std::string Canonical(const PlayDB& db) {
    std::map<std::string, std::string> records;
    for (const auto& [key, record] : db.playCalls.records()) {
        for (const auto& field : kPlayCallCounterFields) {
            records[key] += std::to_string((*record).*field.member) + ",";
        }
    }
    std::string text;
    for (const auto& [key, counters] : records) text += key + "=" + counters + "\n";
    PlayDB teamsOnly;
    for (const auto& [name, totals] : db.teamTotals) {
        teamsOnly.MergeTeamTotals(std::make_unique<TeamTotals>(*totals));
    }
    return text + SerializePlayDB(teamsOnly);
}

void Add(PlayDB& db, const std::string& log) {
    db.diagnostics = &NoDiagnostics();
    std::set<std::string> names;
    std::array<TeamTotals, 2> totals;
    db.ImportLog(log, names, totals);
    for (TeamTotals& club : totals) db.MergeTeamTotals(std::make_unique<TeamTotals>(club));
}

TEST(PlayDB, TheSameLogAddedTwiceDoublesEverything) {
    PlayDB db;
    Add(db, Game("Rams"));
    EXPECT_EQ(db.playCalls.Find("Otters|Dive|0")->calls, 2);
    EXPECT_EQ(db.FindTeamTotals("Otters")->counts[1][2][0], 1);
    Add(db, Game("Rams"));
    EXPECT_EQ(db.playCalls.Find("Otters|Dive|0")->calls, 4);
    EXPECT_EQ(db.playCalls.Find("Otters|Dive|0")->yards, 16);
    EXPECT_EQ(db.playCalls.Find("Rams|Base|3")->runsFaced, 4);
    EXPECT_EQ(db.FindTeamTotals("Otters")->counts[1][2][0], 2);
    EXPECT_EQ(db.FindTeamTotals("Otters")->counts[1][1][0], 2);
    EXPECT_NE(db.FindTeamTotals("Rams"), nullptr);
    EXPECT_EQ(db.modelKind, ModelKind::PlayDB);
    EXPECT_EQ(db.FindTeamTotals("Team 1"), nullptr);  // no placeholder names in a DB
}

TEST(PlayDB, OneClubAgainstTwoOpponentsIsSummedOnce) {
    PlayDB db;
    Add(db, Game("Rams"));
    Add(db, Game("Bears"));
    EXPECT_EQ(db.teamTotals.size(), 3u);
    EXPECT_EQ(db.FindTeamTotals("Otters")->counts[1][2][0], 2);
    EXPECT_EQ(db.playCalls.Find("Rams|Base|3")->calls, 2);
    EXPECT_EQ(db.playCalls.Find("Bears|Base|3")->calls, 2);
}

TEST(PlayDB, AFileThatCannotBeReadStillMergesTwoEmptyNamedRecords) {
    PlayDB db;
    std::set<std::string> names;
    auto result = db.AddLogFiles({"/no/such.log"}, names);
    EXPECT_EQ(result.added, 1);
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].path, "/no/such.log");
    EXPECT_TRUE(result.failures[0].unreadable);
    EXPECT_TRUE(db.playCalls.empty());
    ASSERT_EQ(db.teamTotals.size(), 1u);
    EXPECT_EQ(db.teamTotals.begin()->first, "");
    EXPECT_EQ(names, std::set<std::string>{""});
}

// Parsed on several threads and joined in order, logs make the DB, the names and the
// messages (numbers included) that reading them in turn makes, byte for byte: also
// logs whose plays hold two play-call sentences, which only a reading in turn can add.
TEST(PlayDB, AddingOnThreadsGivesWhatAddingInTurnGives) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("gridtally-threads-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::vector<std::string> paths;
    int n = 0;
    for (const char* name : {"comets-vs-prairie-dogs.log", "harbor-city-vs-ironmen.log"}) {
        std::ifstream in(fs::path(GRIDTALLY_TEST_DATA_DIR) / name, std::ios::binary);
        std::string log((std::istreambuf_iterator<char>(in)), {});
        std::string twice = log;
        for (std::size_t at = twice.find(". That was "); at != std::string::npos && at < 20000;
             at = twice.find(". That was ", at + 60)) {
            twice.insert(at + 2, "That was Dive (1) against X's Y (2). ");
        }
        for (const std::string& text : {log, twice, log.substr(0, log.size() / 2)}) {
            paths.push_back((dir / ("log" + std::to_string(n++))).string());
            std::ofstream(paths.back(), std::ios::binary) << text;
        }
    }
    paths.push_back((dir / "missing.log").string());

    auto add = [&](unsigned threads, std::vector<std::pair<DiagnosticStream, std::string>>& said) {
        DiagnosticsCapture messages;
        PlayDB db;
        db.diagnostics = &messages;
        db.statementCount = 1000;  // a DB that has read before
        std::set<std::string> names;
        PlayDB::AddResult result = db.AddLogFiles(paths, names, {}, threads);
        said = messages.messages();
        std::string summary;
        for (const std::string& name : names) summary += name + "|";
        return SerializePlayDB(db) + summary + std::to_string(result.failures.size()) + "/" +
               std::to_string(db.statementCount);
    };
    std::vector<std::pair<DiagnosticStream, std::string>> inTurn, onThreads;
    std::string one = add(1, inTurn);
    EXPECT_EQ(add(4, onThreads), one);
    EXPECT_EQ(onThreads, inTurn);
    EXPECT_FALSE(inTurn.empty());
    fs::remove_all(dir);
}

TEST(PlayDB, TeamNamesAndDeletingATeam) {
    PlayDB db;
    Add(db, Game("Rams"));
    Add(db, Game("RAMS"));
    Add(db, Game("bears"));
    EXPECT_EQ(db.TeamNames(), (std::vector<std::string>{"bears", "Otters", "RAMS"}));
    EXPECT_NE(db.FindTeamTotals("Rams"), db.FindTeamTotals("RAMS"));  // separate teams

    EXPECT_EQ(db.DeleteTeam("RAMS"), 1);
    EXPECT_EQ(db.FindTeamTotals("RAMS"), nullptr);
    EXPECT_NE(db.playCalls.Find("Rams|Base|3"), nullptr);
    EXPECT_EQ(db.DeleteTeam(""), 0);  // never everything at once
    EXPECT_EQ(db.playCalls.size(), 3u);
}

TEST(PlayDBFile, TheWorkedRecords) {
    PlayDB db;
    auto reds = std::make_unique<TeamTotals>();
    reds->name = "Reds";
    reds->counts[1][2][1] = 2;  // two passes on second down with 6 to 10 to go
    db.MergeTeamTotals(std::move(reds));
    std::string team(193, '\0');
    team[0] = 1;
    team.replace(1, 4, "Reds");
    team[149] = 2;
    EXPECT_EQ(SerializePlayDB(db), team);

    PlayRec dive;
    dive.key.team = "Reds";
    dive.key.play = "Dive";
    dive.key.kind = PlayKind::Run;
    dive.results.calls = 1;
    db.AddPlayCall(dive);
    std::string file = SerializePlayDB(db);
    ASSERT_EQ(file.size(), 450u);
    EXPECT_EQ(file[0], 0);
    EXPECT_EQ(file.substr(257), team);

    PlayDB back;
    EXPECT_TRUE(LoadPlayDB(file, back).Clean());
    EXPECT_EQ(SerializePlayDB(back), file);
    EXPECT_EQ(back.FindTeamTotals("Reds")->counts[1][2][1], 2);
}

TEST(PlayDBFile, CountsComeBackInTheOrderWritten) {
    std::string record(193, '\0');
    record[0] = 1;
    record[65] = 7;       // value 0: down 1, bucket 0, run
    record[65 + 16] = 5;  // value 4: down 1, bucket 0, pass
    record[65 + 4] = 3;   // value 1: down 2, bucket 0, run
    PlayDB db;
    LoadPlayDB(record, db);
    const TeamTotals& totals = *db.FindTeamTotals("");
    EXPECT_EQ(totals.counts[0][0][0], 7);
    EXPECT_EQ(totals.counts[0][0][1], 5);
    EXPECT_EQ(totals.counts[1][0][0], 3);
}

TEST(PlayDBFile, EmptyRepeatedAndForeignBytes) {
    PlayDB empty;
    EXPECT_EQ(SerializePlayDB(empty), "");
    PlayDB loaded;
    EXPECT_TRUE(LoadPlayDB("", loaded).Clean());
    EXPECT_TRUE(loaded.playCalls.empty() && loaded.teamTotals.empty());

    PlayDB db;
    Add(db, Game("Rams"));
    std::string once = SerializePlayDB(db);
    PlayDB other;
    Add(other, Game("Rams"));
    Add(other, Game("Rams"));
    std::string twice = SerializePlayDB(other);

    // Play-call records of one key are summed, the later team record of a name wins, and
    // stray tag bytes are skipped.
    PlayDB mixed;
    PlayDBLoadReport report = LoadPlayDB(once + "\x07\xFF" + twice, mixed);
    EXPECT_EQ(report.unknownTagBytes, 2u);
    EXPECT_FALSE(report.Clean());
    PlayDB expected;
    for (int i = 0; i < 3; ++i) Add(expected, Game("Rams"));
    expected.teamTotals.clear();
    for (const auto& [name, totals] : other.teamTotals) {
        expected.teamTotals[name] = std::make_unique<TeamTotals>(*totals);
    }
    EXPECT_EQ(Canonical(mixed), Canonical(expected));
}

TEST(PlayDBFile, AFileCutAtAnyByteLoadsEveryWholeRecord) {
    PlayDB db;
    Add(db, Game("Rams"));
    std::string file = SerializePlayDB(db);
    ASSERT_EQ(file.size(), 2 * 257 + 2 * 193u);
    for (std::size_t length = 0; length <= file.size(); ++length) {
        PlayDB cut;
        PlayDBLoadReport report = LoadPlayDB(std::string_view(file).substr(0, length), cut);
        std::size_t whole = length < 257 ? 0 : length < 514 ? 1 : 2;
        EXPECT_GE(cut.playCalls.size(), whole) << length;
        if (length >= 514) {
            EXPECT_GE(cut.teamTotals.size(), (length - 514) / 193) << length;
        }
        bool atBoundary =
            length == 0 || length == 257 || length == 514 || length == 707 || length == file.size();
        EXPECT_EQ(report.cutShort, !atBoundary) << length;
    }
}

class AtomicSave : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("gridtally-save-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        path = (dir / "season.pdb").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string Contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string Contents() { return Contents(path); }
    // What a failed save must leave alone: the entry itself, not what a link points to.
    std::string State(const std::string& file) {
        struct stat info {};
        if (lstat(file.c_str(), &info) != 0) return "missing";
        return std::to_string(info.st_mode) + " " + std::to_string(info.st_mtim.tv_sec) + "." +
               std::to_string(info.st_mtim.tv_nsec) + " " +
               (S_ISREG(info.st_mode) ? Contents(file) : "");
    }
    static mode_t Mode(const std::string& file) {
        struct stat info {};
        stat(file.c_str(), &info);
        return info.st_mode & 07777;
    }
    std::filesystem::path dir;
    std::string path;
};

TEST_F(AtomicSave, AWriteThatFailsPartWayLeavesTheOldFileAndNoLeftovers) {
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "old contents", &error)) << error;
    EXPECT_EQ(Contents(), "old contents");

    int calls = 0;
    auto failing = [&](int fd, const char* data, std::size_t size) -> long {
        if (++calls > 1) {
            errno = ENOSPC;
            return -1;
        }
        return ::write(fd, data, std::min<std::size_t>(size, 3));
    };
    EXPECT_FALSE(WriteFileAtomically(path, "new contents, longer", &error, failing));
    EXPECT_NE(error.find(path), std::string::npos);
    EXPECT_NE(error.find("No space left on device"), std::string::npos) << error;
    EXPECT_EQ(Contents(), "old contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);

    EXPECT_TRUE(WriteFileAtomically(path, "new", &error)) << error;
    EXPECT_EQ(Contents(), "new");
}

TEST_F(AtomicSave, ALinkStaysALinkAndPermissionsAreKept) {
    std::string error;
    std::string target = (dir / "real.pdb").string();
    ASSERT_TRUE(WriteFileAtomically(target, "old", &error)) << error;
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    std::filesystem::create_symlink("real.pdb", path);
    ASSERT_TRUE(WriteFileAtomically(path, "new", &error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(Contents(target), "new");
    EXPECT_EQ(Mode(target), 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);

    // A new file gets what open() gives under the umask.
    std::string fresh = (dir / "fresh.pdb").string();
    mode_t mask = umask(027);
    bool saved = WriteFileAtomically(fresh, "x", &error);
    umask(mask);
    ASSERT_TRUE(saved) << error;
    EXPECT_EQ(Mode(fresh), 0640u);
}

TEST_F(AtomicSave, WhatMayNotBeReplacedIsRefusedAndLeftAsItWas) {
    struct Case {
        std::function<void()> make;
        const char* error;
    };
    for (const Case& c : {
             Case{[&] {
                      std::ofstream(path) << "read-only";
                      chmod(path.c_str(), 0444);
                  },
                  ": cannot write: Permission denied"},
             Case{[&] { std::filesystem::create_directory(path); },
                  ": cannot replace: not a regular file"},
             Case{[&] { std::filesystem::create_symlink("gone.pdb", path); },
                  ": cannot follow the link: No such file or directory"},
         }) {
        std::filesystem::remove_all(path);
        c.make();
        std::string before = State(path);
        std::string error;
        EXPECT_FALSE(WriteFileAtomically(path, "new", &error)) << c.error;
        EXPECT_EQ(error, path + c.error);
        EXPECT_EQ(State(path), before) << c.error;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1) << c.error;
    }
}

TEST_F(AtomicSave, AFolderThatCannotBeWrittenIsReported) {
    std::string error;
    EXPECT_FALSE(WriteFileAtomically((dir / "missing" / "x.pdb").string(), "x", &error));
    EXPECT_NE(error.find("missing"), std::string::npos);
}

}  // namespace
}  // namespace gridtally
