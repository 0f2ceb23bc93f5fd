#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/CommandIo.h"
#include "cli/CommandLine.h"

namespace gridtally {

// A small game in Latin-1 between `club` and the Rams: a situation, a run, and a spike
// that the parser reports (its message holds a sentence mark and the club's name).
inline std::string TinyLog(const std::string& club) {
    return club + "'s ball on their 30 yard line. Second and 10. Clock.\nThe score is " + club +
           " 0, Rams 0. " + club + " has possession.\n\n" + club +
           "'s HB #22 Dario Vance runs for a gain of 4 yards. That was Dive (1)\n"
           "against Rams's Base (2).\n\n" +
           club +
           "'s QB #2 Max Walsh spikes the ball to stop the clock. That was Spike (11) against "
           "Rams's Cover 3 (29).\n\n";
}

// A temporary folder per test and the commands' streams.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("gridtally-cli-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    static std::string Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Everything a command that must change nothing could have changed (the bytes of a
    // regular file only: a FIFO's would wait for a writer).
    static std::string State(const std::string& path) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0) return "missing";
        return std::to_string(info.st_ino) + " " + std::to_string(info.st_mode) + " " +
               std::to_string(info.st_uid) + " " + std::to_string(info.st_mtim.tv_sec) + "." +
               std::to_string(info.st_mtim.tv_nsec) + " " +
               (S_ISREG(info.st_mode) ? Bytes(path) : std::string());
    }

    // Runs a command on fresh streams; `terminal` stands for both of them.
    template <typename Run>
    int Call(Run run, bool terminal = false) {
        out.str("");
        err.str("");
        return run(Streams{out, err, terminal, terminal});
    }

    // A whole command line run in a child process, so that a command that would never
    // end is stopped (killed after `seconds`) and fails the test instead of hanging it.
    struct Ran {
        int status = -1;
        bool timedOut = false;
        std::string out, err;
    };
    Ran RunWithin(double seconds, std::vector<std::string> args) {
        args.insert(args.begin(), "gridtally-cli");
        const std::string outFile = dir.string() + ".out", errFile = dir.string() + ".err";
        pid_t child = ::fork();
        if (child == 0) {
            std::vector<const char*> argv;
            for (const std::string& arg : args) argv.push_back(arg.c_str());
            std::ostringstream childOut, childErr;
            int status = RunCommandLine(static_cast<int>(argv.size()), argv.data(),
                                        Streams{childOut, childErr, false, false});
            std::ofstream(outFile, std::ios::binary) << childOut.str();
            std::ofstream(errFile, std::ios::binary) << childErr.str();
            ::_exit(status);
        }
        Ran ran;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        int raw = 0;
        while (::waitpid(child, &raw, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(child, SIGKILL);
                ::waitpid(child, &raw, 0);
                ran.timedOut = true;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        if (WIFEXITED(raw)) ran.status = WEXITSTATUS(raw);
        ran.out = Bytes(outFile);
        ran.err = Bytes(errFile);
        std::filesystem::remove(outFile);
        std::filesystem::remove(errFile);
        return ran;
    }

    std::filesystem::path dir;
    std::ostringstream out, err;
};

}  // namespace gridtally
