#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "CliFixture.h"

namespace gridtally {
namespace {

// The installed program run through a shell, as a user runs it.
class Program : public CliTest {
protected:
    struct Run {
        int status = -1;  // the exit status, or 128 + the signal that ended it
        std::string err;
    };
    Run Shell(const std::string& arguments, const std::string& environment = "") {
        std::string command =
            environment + "'" + GRIDTALLY_CLI + "' " + arguments + " 2>'" + Path("stderr") + "'";
        int raw = std::system(("/bin/sh -c \"" + command + "\"").c_str());
        Run run;
        if (WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
        run.err = Bytes(Path("stderr"));
        return run;
    }
    std::string Db() {
        std::string db = Path("season.pdb");
        Shell("db add '" + db + "' '" + GRIDTALLY_EXAMPLES_DIR + "/riverside-at-hillcrest.log'");
        return db;
    }
};

// Output that cannot be written is a failure with a message, whichever command wrote it.
TEST_F(Program, OutputThatCannotBeWrittenFailsWithAMessage) {
    std::string db = Db();
    std::string log = std::string(GRIDTALLY_EXAMPLES_DIR) + "/riverside-at-hillcrest.log";
    for (const std::string& command :
         {"dump '" + log + "'", "report '" + log + "'", "db dump '" + db + "'",
          "db teams '" + db + "'", "db show '" + db + "' Hillcrest"}) {
        Run run = Shell(command + " >/dev/full");
        EXPECT_EQ(run.status, kFileFailed) << command;
        EXPECT_EQ(run.err, "gridtally-cli: cannot write the output: No space left on device\n")
            << command;
        EXPECT_EQ(Shell(command + " >/dev/null").status, kDone) << command;
    }
}

// A reader that stops early ends the program by SIGPIPE, quietly, as Unix tools end.
TEST_F(Program, AReaderThatStopsEarlyEndsItQuietly) {
    std::string log = std::string(GRIDTALLY_EXAMPLES_DIR) + "/riverside-at-hillcrest.log";
    Run run = Shell("dump '" + log +
                    "' | (head -c 10 >/dev/null; exit \\$(cat /dev/null)); "
                    "exit \\${PIPESTATUS:-0}");
    EXPECT_EQ(run.err, "");
    int raw = std::system(("/bin/bash -c \"set -o pipefail; '" + std::string(GRIDTALLY_CLI) +
                           "' dump '" + log + "' | head -c 10 >/dev/null\"")
                              .c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 128 + SIGPIPE);
}

// Two writers of one DB at once: the second waits for the first, and no game is lost.
TEST_F(Program, TwoWritersAtOnceLoseNothing) {
    std::string games[] = {std::string(GRIDTALLY_EXAMPLES_DIR) + "/riverside-at-hillcrest.log",
                           std::string(GRIDTALLY_TEST_DATA_DIR) + "/comets-vs-prairie-dogs.log"};
    int lost = 0;
    for (int round = 0; round < 20; ++round) {
        std::string db = Path("both" + std::to_string(round) + ".pdb");
        std::string cli = std::string("'") + GRIDTALLY_CLI + "'";
        int raw = std::system(("/bin/sh -c \"" + cli + " db add '" + db + "' '" + games[0] +
                               "' 2>/dev/null & " + cli + " db add '" + db + "' '" + games[1] +
                               "' 2>/dev/null & wait\"")
                                  .c_str());
        ASSERT_TRUE(WIFEXITED(raw));
        Shell("db teams '" + db + "' >'" + Path("teams") + "'");
        lost += Bytes(Path("teams")) != "Comets\nHillcrest\nPrairie Dogs\nRiverside Otters\n";
    }
    EXPECT_EQ(lost, 0);
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
    }
}

// A writer that cannot get the lock in time changes nothing and says why.
TEST_F(Program, AWriterThatCannotWaitLongerChangesNothing) {
    std::string db = Db();
    std::string before = State(db);
    int held = ::open(db.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    Run run =
        Shell("db add '" + db + "' '" + GRIDTALLY_TEST_DATA_DIR + "/comets-vs-prairie-dogs.log'",
              "GRIDTALLY_LOCK_WAIT_MS=300 ");
    ::close(held);
    EXPECT_EQ(run.status, kFileFailed);
    EXPECT_EQ(run.err, "gridtally-cli: " + db +
                           ": another program is changing this Play DB; nothing was changed\n");
    EXPECT_EQ(State(db), before);
    EXPECT_EQ(Shell("db delete-team '" + db + "' Hillcrest").status, kDone);  // free again
}

// What a killed save left beside the DB goes with the next save; a live writer's stays.
TEST_F(Program, TheNextSaveRemovesWhatAKilledSaveLeft) {
    std::string db = Db();
    pid_t gone = fork();
    if (gone == 0) _exit(0);
    waitpid(gone, nullptr, 0);
    std::string leftover = Write("season.pdb.tmp" + std::to_string(gone) + "-0", "half a DB");
    std::string live = Write("season.pdb.tmp" + std::to_string(getpid()) + "-3", "being written");
    std::string other = Write("other.pdb.tmp" + std::to_string(gone) + "-0", "not ours");
    EXPECT_EQ(
        Shell("db add '" + db + "' '" + GRIDTALLY_TEST_DATA_DIR + "/comets-vs-prairie-dogs.log'")
            .status,
        kDone);
    EXPECT_FALSE(std::filesystem::exists(leftover));
    EXPECT_TRUE(std::filesystem::exists(live));
    EXPECT_TRUE(std::filesystem::exists(other));
}

// What merely looks like text (the program itself named *.log) is no game; a log named
// twice is added twice, with a warning.
TEST_F(Program, NoGameIsAddedFromWhatIsNoGameAndARepeatIsSaid) {
    std::string binary = Path("program.log");
    std::filesystem::copy_file(GRIDTALLY_CLI, binary);
    Run run = Shell("dump '" + binary + "' >/dev/null");
    EXPECT_EQ(run.status, kFileFailed);
    EXPECT_NE(run.err.find("not a game log"), std::string::npos) << run.err;

    std::string log = std::string(GRIDTALLY_EXAMPLES_DIR) + "/riverside-at-hillcrest.log";
    run = Shell("db add '" + Path("twice.pdb") + "' '" + log + "' '" + log + "'");
    EXPECT_EQ(run.status, kDone);
    EXPECT_EQ(run.err, "gridtally-cli: warning: " + log +
                           " is named more than once; its games are added each time\n");
}

}  // namespace
}  // namespace gridtally
