#include <gtest/gtest.h>
#include <sys/stat.h>

#include <vector>

#include "CliFixture.h"
#include "cli/CommandLine.h"
#include "cli/DbCommand.h"

namespace gridtally {
namespace {

class CommandLine : public CliTest {
protected:
    // The files every case starts from, made anew for each.
    void MakeFiles() {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        Write("cafe.log", TinyLog("Caf\xE9"));
        Write("baers.log", TinyLog("B\xE6rs"));
        Write("empty.log", "");
        Write("passwd", "root:x:0:0:root:/root:/bin/bash\n");
        ASSERT_EQ(
            Call([&](Streams io) { return RunDbAdd(Path("season.pdb"), {Path("cafe.log")}, io); }),
            0);
        Write("damaged.pdb", Bytes(Path("season.pdb")) + "\x07");
        std::filesystem::copy_file(Path("season.pdb"), Path("readonly.pdb"));
        ASSERT_EQ(chmod(Path("readonly.pdb").c_str(), 0444), 0);
    }

    // Runs the program; "@name" stands for that file of the test's folder.
    int Run(const std::vector<std::string>& args, bool terminal = false) {
        std::vector<std::string> words{"gridtally-cli"};
        for (const std::string& arg : args) {
            words.push_back(arg.starts_with('@') ? Path(arg.substr(1)) : arg);
        }
        std::vector<const char*> argv;
        for (const std::string& word : words) argv.push_back(word.c_str());
        return Call(
            [&](Streams io) {
                return RunCommandLine(static_cast<int>(argv.size()), argv.data(), io);
            },
            terminal);
    }
};

TEST_F(CommandLine, StatusOutputMessagesAndFilesLeftAlone) {
    const std::string notALog = ": not a game log (no situation or play statement found)\n";
    const std::string runningPlays = "Caf\xC3\xA9 - Running Plays\nPlay\tCalls\tYards\t";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;                   // a piece of the output; "" for none at all
        std::vector<std::string> err;      // pieces of the messages; none for no message
        std::string untouched = {};        // a file left exactly as it was
        const char* teamsAfter = nullptr;  // season.pdb's teams afterwards
        bool terminal = false;
    };
    // clang-format off
    for (const Case& c : std::vector<Case>{
        // Usage: what was expected, in words.
        {{},
         2,
         "",
         {"gridtally-cli: expected a command: dump, report, plays, drives, ep-model, season, "
          "export or db\n"}},
        {{"dump"}, 2, "", {"gridtally-cli: dump: expected the path of a game log (GAME.log)\n"}},
        {{"db", "add", "@season.pdb"}, 2, "",
         {"db add: expected one or more game logs after the Play DB (LOG...)\n"}, "season.pdb"},
        {{"db", "frob"}, 2, "",
         {"db: expected a command: add, dump, teams, show or delete-team (not \"frob\")\n",
          "Run \"gridtally-cli db --help\" for the usage.\n"}},
        {{"report", "@cafe.log", "--team"}, 2, "",
         {"report: expected the name of a club after --team\n"}},
        {{"report", "@cafe.log", "--bold", "--plain"}, 2, "", {"excludes"}},
        {{"--version"}, 0, "gridtally-cli " GRIDTALLY_VERSION "\n", {}},
        {{"db", "--help"}, 0, "delete-team", {}},
        // A club name must be UTF-8 of Latin-1 characters.
        {{"report", "@cafe.log", "--team", "Caf\xE9"}, 2, "",
         {"gridtally-cli: --team: \"Caf\\xE9\" is not valid UTF-8 (byte 4)\n"}},
        {{"db", "show", "@season.pdb", "Caf\xC3\xA9\xE2\x82\xAC"}, 2, "",
         {"gridtally-cli: TEAM: \"Caf\xC3\xA9\xE2\x82\xAC\" has characters outside Latin-1 (U+20AC)\n"}},
        {{"db", "delete-team", "@season.pdb", "Rams", "\xC0\xAF"}, 2, "",
         {"TEAM: \"\\xC0\\xAF\" is not valid UTF-8 (byte 1)\n"}, "season.pdb"},
        {{"report", "@cafe.log", "--team", "Caf\xC3\xA9"}, 0, runningPlays, {}},
        {{"report", "@cafe.log", "--team", "Cafe"}, 2, "",
         {"gridtally-cli: no club named \"Cafe\"; the clubs are: Caf\xC3\xA9, Rams\n"}},
        {{"report", "@cafe.log", "--team", "rams"}, 0, "Rams - Running Plays", {}},
        {{"db", "show", "@season.pdb", "Caf\xC3\xA9"}, 0, runningPlays, {}},
        {{"db", "delete-team", "@season.pdb", "Caf\xC3\xA9"}, 0, "", {}, {}, "Rams\n"},
        // Deleting is all or nothing, unless told to keep going.
        {{"db", "delete-team", "@season.pdb", "Caf\xC3\xA9", "Nobody", ""}, 1, "",
         {"no team named \"Nobody\" in ", "an empty team name names no team\n",
          "nothing deleted from "}, "season.pdb"},
        {{"db", "delete-team", "--keep-going", "@season.pdb", "Nobody", "Caf\xC3\xA9"}, 1, "",
         {"no team named \"Nobody\""}, {}, "Rams\n"},
        // Files that are no game log, and adding is all or nothing too.
        {{"dump", "@empty.log"}, 1, "", {"gridtally-cli: " + Path("empty.log") + notALog}},
        {{"report", "@passwd"}, 1, "", {"gridtally-cli: " + Path("passwd") + notALog}},
        {{"dump", "@season.pdb"}, 1, "", {"season.pdb: not a game log (a binary file"}},
        {{"db", "add", "@season.pdb", "@baers.log", "@empty.log", "@missing.log"}, 1, "",
         {"gridtally-cli: " + Path("empty.log") + notALog,
          "gridtally-cli: cannot read " + Path("missing.log") + ": No such file or directory\n",
          "nothing added to "}, "season.pdb"},
        {{"db", "add", "@new.pdb", "@passwd"}, 1, "", {"passwd" + notALog}, "new.pdb"},
        {{"db", "add", "--keep-going", "@season.pdb", "@missing.log", "@baers.log"}, 1, "",
         {"missing.log: No such file"}, {}, "B\xC3\xA6rs\nCaf\xC3\xA9\nRams\n"},
        // A damaged DB is printed only when forced, and never changed.
        {{"db", "teams", "@damaged.pdb"}, 1, "",
         {"warning: " + Path("damaged.pdb") + " is damaged or not a Play DB: 1 stray bytes",
          "not printing "}},
        {{"db", "teams", "--force", "@damaged.pdb"}, 0, "Caf\xC3\xA9\nRams\n", {"warning: "}},
        {{"db", "dump", "@damaged.pdb"}, 1, "", {"not printing "}},
        {{"db", "show", "--force", "@damaged.pdb", "Rams"}, 0, "Rams - Running Plays",
         {"warning: "}},
        {{"db", "add", "@damaged.pdb", "@cafe.log"}, 1, "", {"not changing "}, "damaged.pdb"},
        // A file the user may not write is refused, not replaced.
        {{"db", "add", "@readonly.pdb", "@cafe.log"}, 1, "",
         {"cannot save " + Path("readonly.pdb") + ": cannot write: Permission denied\n"},
         "readonly.pdb"},
        {{"db", "delete-team", "@readonly.pdb", "Rams"}, 1, "", {"cannot write"}, "readonly.pdb"},
        // Lists in columns on a terminal.
        {{"report", "@cafe.log", "--team", "Caf\xC3\xA9", "--plain"}, 0,
         "Play  Calls  Yards  Avg  Fumbles  TD  Pts\nDive  1      4      4.0  0        0   0\n",
         {}, {}, nullptr, true},
        {{"db", "show", "@season.pdb", "Caf\xC3\xA9"}, 0, "Play  Calls  Yards  Avg", {}, {},
         nullptr, true},
    }) {
        // clang-format on
        MakeFiles();
        std::string args;
        for (const std::string& arg : c.args) args += " " + arg;
        std::string before = c.untouched.empty() ? "" : State(Path(c.untouched));
        EXPECT_EQ(Run(c.args, c.terminal), c.status) << args << "\n" << err.str();
        if (c.out.empty()) {
            EXPECT_EQ(out.str(), "") << args;
        } else {
            EXPECT_NE(out.str().find(c.out), std::string::npos) << args << "\n" << out.str();
        }
        if (c.err.empty()) {
            EXPECT_EQ(err.str(), "") << args;
        }
        for (const std::string& piece : c.err) {
            EXPECT_NE(err.str().find(piece), std::string::npos) << args << "\n" << err.str();
        }
        if (!c.untouched.empty()) {
            EXPECT_EQ(State(Path(c.untouched)), before) << args;
        }
        if (c.teamsAfter) {
            EXPECT_EQ(Run({"db", "teams", "@season.pdb"}), 0) << args;
            EXPECT_EQ(out.str(), c.teamsAfter) << args;
        }
    }
}

TEST_F(CommandLine, ParserMessagesNameTheirFileOnATerminalAndStayBytesInAPipe) {
    MakeFiles();
    EXPECT_EQ(Run({"db", "add", "@new.pdb", "@cafe.log", "@baers.log"}), 0);
    EXPECT_EQ(err.str().find(".log:\n"), std::string::npos);
    EXPECT_NE(err.str().find("):  Caf\xE9's QB #2 Max Walsh spikes the ball to stop the "
                             "clock.\x05That was Spike"),
              std::string::npos)
        << err.str();

    EXPECT_EQ(Run({"db", "add", "@new.pdb", "@cafe.log", "@baers.log"}, true), 0);
    std::string shown = err.str();
    EXPECT_NE(shown.find(Path("cafe.log") + ":\nERROR parsing"), std::string::npos) << shown;
    EXPECT_NE(shown.find("\r1 / 2 files\n" + Path("baers.log") + ":\nERROR parsing"),
              std::string::npos)
        << shown;
    EXPECT_NE(shown.find("):  B\xC3\xA6rs's QB #2 Max Walsh spikes the ball to stop the clock. "
                         "That was Spike"),
              std::string::npos)
        << shown;
    EXPECT_TRUE(shown.ends_with("\r2 / 2 files\n")) << shown;
}

}  // namespace
}  // namespace gridtally
