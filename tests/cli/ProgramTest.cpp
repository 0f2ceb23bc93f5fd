#include <sys/wait.h>

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
    Run Shell(const std::string& arguments) {
        std::string command =
            std::string("'") + GRIDTALLY_CLI + "' " + arguments + " 2>'" + Path("stderr") + "'";
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

}  // namespace
}  // namespace gridtally
