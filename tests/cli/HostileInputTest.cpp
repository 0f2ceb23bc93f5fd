#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "CliFixture.h"
#include "HostileInputs.h"
#include "cli/CommandLine.h"
#include "core/game/GameLog.h"
#include "core/text/Diagnostics.h"

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

TEST_F(HostileInputTest, WhatIsNoFileGivesOneLineAndTheReason) {
    std::vector<std::pair<std::string, std::string>> paths{
        {Path("missing.log"), "No such file or directory"}, {dir.string(), "Is a directory"}};
    std::string locked = Write("locked.log", TinyLog("Comets"));
    chmod(locked.c_str(), 0);
    if (geteuid() != 0) paths.emplace_back(locked, "Permission denied");  // root reads anyway
    for (const auto& [path, reason] : paths) {
        SCOPED_TRACE(path);
        for (std::vector<std::string> args : {std::vector<std::string>{"dump", path},
                                              {"report", path},
                                              {"db", "dump", path},
                                              {"db", "teams", path},
                                              {"db", "show", path, "Comets"}}) {
            EXPECT_EQ(Run(args), 1) << args[0];
            ExpectMessage(path, "cannot read " + path + ": " + reason);
        }
        std::string db = Path("new.pdb");
        EXPECT_EQ(Run({"db", "add", db, path}), 1);
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

}  // namespace
}  // namespace gridtally
