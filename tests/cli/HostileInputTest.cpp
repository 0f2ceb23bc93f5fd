#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "CliFixture.h"
#include "HostileInputs.h"
#include "cli/CommandLine.h"
#include "core/game/GameLog.h"
#include "core/text/Diagnostics.h"
#include "core/text/Latin1.h"

namespace gridtally {
namespace {

using hostile::HostileFile;

// No input may take longer than this, even in the sanitizer build: the 50 MB line takes
// well under a second in the optimised one, so only a run that is not linear reaches it.
constexpr double kSecondsBound = 30;

class HostileInputTest : public CliTest {
protected:
    // The whole command line as a user would type it; the parser's messages are kept
    // out of the test's output.
    int Run(std::vector<std::string> args) {
        args.insert(args.begin(), "gridtally-cli");
        std::vector<const char*> argv;
        for (const std::string& arg : args) argv.push_back(arg.c_str());
        auto start = std::chrono::steady_clock::now();
        int status = Call([&](Streams io) {
            return RunCommandLine(static_cast<int>(argv.size()), argv.data(), io);
        });
        std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took.count(), kSecondsBound) << args[1] << ' ' << args.back();
        return status;
    }
    // A short message on standard error whose first line names the file and says why.
    void ExpectMessage(const std::string& path, const std::string& words, int lines = 1) {
        std::string text = err.str();
        std::string first = text.substr(0, text.find('\n'));
        EXPECT_NE(first.find(path), std::string::npos) << text;
        EXPECT_NE(first.find(words), std::string::npos) << text;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), lines) << text;
    }
    std::string SmallDB() {
        std::string db = Path("small.pdb");
        EXPECT_EQ(Run({"db", "add", db, Write("a.log", TinyLog("Caf\xE9"))}), 0) << err.str();
        return Bytes(db);
    }
};

TEST_F(HostileInputTest, LogsGiveTheirFiguresOrOneClearLineAndNeverADamagedDB) {
    for (const HostileFile& file : hostile::HostileLogs()) {
        SCOPED_TRACE(file.name);
        std::string path = Write(file.name, file.bytes);
        for (const char* command : {"dump", "report"}) {
            int status = Run({command, path});
            if (file.gameLog) {
                EXPECT_EQ(status, 0) << command << ": " << err.str();
                EXPECT_FALSE(out.str().empty());
            } else {
                EXPECT_EQ(status, 1) << command;
                ExpectMessage(path, "not a game log");
            }
        }
        std::string db = Path(file.name + ".pdb");
        if (file.gameLog) {
            EXPECT_EQ(Run({"db", "add", db, path}), 0) << err.str();
            EXPECT_EQ(Run({"db", "dump", db}), 0) << err.str();  // it loads cleanly again
            EXPECT_EQ(Run({"db", "teams", db}), 0) << err.str();
        } else {
            EXPECT_EQ(Run({"db", "add", db, path}), 1);
            EXPECT_NE(err.str().find("not a game log"), std::string::npos) << err.str();
            EXPECT_FALSE(std::filesystem::exists(db));  // nothing saved
        }
        std::filesystem::remove(path);
    }
}

// What is no regular file, a FIFO or a device too, is refused at once as a game log and
// as a Play DB, by every command.
TEST_F(HostileInputTest, WhatIsNoFileGivesOneLineAndTheReason) {
    std::vector<std::pair<std::string, std::string>> paths{
        {Path("missing.log"), "No such file or directory"},
        {dir.string(), "not a regular file"},
        {Path("fifo.pdb"), "not a regular file"},
        {Path("zero.pdb"), "not a regular file"}};
    mkfifo(Path("fifo.pdb").c_str(), 0600);
    symlink("/dev/zero", Path("zero.pdb").c_str());
    std::string locked = Write("locked.log", TinyLog("Comets"));
    chmod(locked.c_str(), 0);
    if (geteuid() != 0) paths.emplace_back(locked, "Permission denied");  // root reads anyway
    auto run = [&](const std::vector<std::string>& args) {
        Ran ran = RunWithin(2, args);
        EXPECT_FALSE(ran.timedOut) << args[0];
        err.str(ran.err);
        return ran.status;
    };
    for (const auto& [path, reason] : paths) {
        SCOPED_TRACE(path);
        for (std::vector<std::string> args : {std::vector<std::string>{"dump", path},
                                              {"report", path},
                                              {"db", "dump", path},
                                              {"db", "teams", path},
                                              {"db", "show", path, "Comets"},
                                              {"db", "delete-team", path, "Comets"}}) {
            EXPECT_EQ(run(args), 1) << args[0];
            ExpectMessage(path, "cannot read " + path + ": " + reason);
        }
        std::string db = Path("new.pdb");
        EXPECT_EQ(run({"db", "add", db, path}), 1);
        EXPECT_NE(err.str().find(reason), std::string::npos) << err.str();
        EXPECT_FALSE(std::filesystem::exists(db));
    }
}

TEST_F(HostileInputTest, APlayDBCutAtEveryByteIsReadOrRefusedAndNeverOverwritten) {
    std::string whole = SmallDB();
    std::string log = Path("a.log");
    std::string cut = Path("cut.pdb");
    for (std::size_t size = 0; size <= whole.size(); ++size) {
        SCOPED_TRACE(size);
        std::string bytes = whole.substr(0, size);
        Write("cut.pdb", bytes);
        int loaded = Run({"db", "dump", cut});
        ASSERT_TRUE(loaded == 0 || loaded == 1);
        if (loaded == 1) {
            ExpectMessage(cut, "damaged or not a Play DB", 2);
        }
        // A DB that does not load whole is left as it is; one that does takes the log.
        EXPECT_EQ(Run({"db", "add", cut, log}), loaded);
        if (loaded == 1) {
            EXPECT_EQ(Bytes(cut), bytes);
        } else {
            EXPECT_NE(Bytes(cut), bytes);
            EXPECT_EQ(Run({"db", "dump", cut}), 0);
        }
    }
}

TEST_F(HostileInputTest, FilesInTheWrongRoleAreNamedAndLeftAlone) {
    std::string db = Write("season.pdb", SmallDB());
    std::string log = Write("game.log", TinyLog("Comets"));
    std::string random = Write("random.pdb", hostile::RandomBytes(1 << 16, 2));
    // A DB read as a log.
    for (const char* command : {"dump", "report"}) {
        EXPECT_EQ(Run({command, db}), 1) << command;
        ExpectMessage(db, "not a game log");
    }
    // A log and random bytes read as a DB, then offered a log to add.
    for (const std::string& path : {log, random}) {
        SCOPED_TRACE(path);
        std::string before = Bytes(path);
        EXPECT_EQ(Run({"db", "dump", path}), 1);
        ExpectMessage(path, "damaged or not a Play DB", 2);
        EXPECT_EQ(Run({"db", "teams", "--force", path}), 0);
        EXPECT_EQ(Run({"db", "add", path, log}), 1);
        EXPECT_NE(err.str().find("not changing " + path), std::string::npos) << err.str();
        EXPECT_EQ(Run({"db", "delete-team", path, "Comets"}), 1);
        EXPECT_EQ(Bytes(path), before);
    }
}

// Paths that are no game log, or name one oddly, as `season`, `plays`, `export` and
// `db add` meet them: named beside a game, and found in a folder beside it. Each ends at
// once with one line naming the file (as text) and why; the game beside it is still
// read, though export and db add then write nothing; the status says whether any failed.
TEST_F(HostileInputTest, PathsThatAreNoGameLogEndAtOnceWithTheirReason) {
    // Seconds: a refusal is at once; what is read and written (and flushed) may take
    // longer on a busy machine.
    constexpr double kRefusedWithin = 2, kDoneWithin = 20;
    const std::string notRegular = "not a regular file", binary = "not a game log (a binary";
    // Games the parser has nothing to say about, so that standard error holds only what
    // is said about the files.
    auto cleanGame = [](const std::string& club) {
        return club + "'s ball on their 30 yard line. Second and 10. Clock 12:00. The score is " +
               club + " 0, Otters 0. " + club + " has possession.\n\n" + club +
               "'s HB #22 Al Bo runs for a gain of 4 yards. That was Dive (1) against Otters's "
               "Base (2).\n\n";
    };
    const std::string game = cleanGame("Rams");
    const std::string exported = Path("exported.sqlite");
    ASSERT_EQ(Run({"export", exported, Write("x.log", game)}), 0) << err.str();
    using Make = std::function<void(const std::string& path)>;
    auto file = [](std::string bytes) {
        return [bytes](const std::string& path) { std::ofstream(path, std::ios::binary) << bytes; };
    };
    struct Case {
        std::string name;
        Make make;
        std::string named;                 // its reason when named; empty: read (or none there)
        std::optional<std::string> found;  // when found in a folder; nothing: passed over
        std::string dbAdd;                 // when named to db add, which takes no folders
        bool isGame = false;
    };
    std::vector<Case> cases{
        {"fifo.log", [](const std::string& p) { mkfifo(p.c_str(), 0600); }, notRegular, notRegular,
         notRegular},
        {"zero.log", [](const std::string& p) { symlink("/dev/zero", p.c_str()); }, notRegular,
         notRegular, notRegular},
        {"folder.log", [](const std::string& p) { std::filesystem::create_directory(p); }, "",
         notRegular, notRegular},
        {"random.log", file(hostile::RandomBytes(1 << 12, 3)), binary, binary, binary},
        {"export.log", [&](const std::string& p) { std::filesystem::copy_file(exported, p); },
         binary, binary, binary},
        {"export.sqlite", [&](const std::string& p) { std::filesystem::copy_file(exported, p); },
         binary, std::nullopt, binary},
        {"game.txt", file(game), "", std::nullopt, "", true},
        {"week-\xE9.log", file(game), "", "", "", true},
    };
    if (geteuid() != 0) {  // root reads anyway
        cases.push_back({"locked.log",
                         [&](const std::string& p) {
                             file(game)(p);
                             chmod(p.c_str(), 0);
                         },
                         "Permission denied", "Permission denied", "Permission denied"});
    }

    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        const std::string folder = Path("season" + std::to_string(i));
        std::filesystem::create_directory(folder);
        const std::string good = folder + "/good.log", path = folder + "/" + c.name;
        std::ofstream(good) << cleanGame("Comets");
        c.make(path);
        const std::string shown = FileNameText(path);

        auto check = [&](std::vector<std::string> args, const std::optional<std::string>& reason,
                         int extraLines, bool gameRead) {
            SCOPED_TRACE(args[0] + ' ' + args[1]);
            std::string written = args[0] == "export" ? args[1] : args[0] == "db" ? args[2] : "";
            if (!written.empty()) std::filesystem::remove(written);
            bool fails = reason && !reason->empty();
            Ran ran = RunWithin(fails ? kRefusedWithin : kDoneWithin, args);
            ASSERT_FALSE(ran.timedOut);
            EXPECT_EQ(ran.status, fails ? 1 : 0) << ran.err;
            if (fails) {
                EXPECT_NE(ran.err.find(shown + ": " + *reason), std::string::npos) << ran.err;
                EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), 1 + extraLines)
                    << ran.err;
            } else {
                EXPECT_EQ(ran.err, "");
            }
            if (args[0] == "season") {
                EXPECT_NE(ran.out.find("\ngood.log\tComets\tOtters\t"), std::string::npos);
                EXPECT_EQ(ran.out.find("\n" + FileNameText(c.name) + "\tRams\tOtters\t") !=
                              std::string::npos,
                          gameRead)
                    << ran.out;
            } else if (args[0] == "plays") {
                EXPECT_NE(ran.out.find("\ngood.log\t1\t"), std::string::npos);
                EXPECT_EQ(ran.out.find("\n" + FileNameText(c.name) + "\t1\t") != std::string::npos,
                          gameRead);
            } else {  // all or nothing
                EXPECT_EQ(std::filesystem::exists(written), !fails);
            }
        };
        bool namedGame = c.isGame && c.named.empty();
        for (const char* command : {"season", "plays"}) {
            check({command, path, good}, c.named, 0, namedGame);
            check({command, folder}, c.found, 0, c.isGame && c.found == "");
        }
        check({"export", Path("out.sqlite"), path, good}, c.named, 0, namedGame);
        check({"export", Path("out.sqlite"), folder}, c.found, 0, false);
        check({"db", "add", Path("out.pdb"), path, good}, c.dbAdd, 1, false);
        std::filesystem::remove_all(folder);
    }
}

}  // namespace
}  // namespace gridtally
