#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "cli/CommandIo.h"

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
    // Everything a command that must change nothing could have changed.
    static std::string State(const std::string& path) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0) return "missing";
        return std::to_string(info.st_ino) + " " + std::to_string(info.st_mode) + " " +
               std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec) +
               " " + Bytes(path);
    }

    // Runs a command on fresh streams; `terminal` stands for both of them.
    template <typename Run>
    int Call(Run run, bool terminal = false) {
        out.str("");
        err.str("");
        return run(Streams{out, err, terminal, terminal});
    }

    std::filesystem::path dir;
    std::ostringstream out, err;
};

}  // namespace gridtally
