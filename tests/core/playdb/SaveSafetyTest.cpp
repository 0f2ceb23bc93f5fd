// Saving a Play DB when the disk fills up or the program is killed part way: the file at
// the path is always a whole DB, the old one or the new one.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <thread>

#include "core/playdb/PlayDB.h"
#include "core/playdb/PlayDBFile.h"

namespace gridtally {
namespace {

namespace fs = std::filesystem;

// A DB of `clubs` team records (193 bytes each) whose counts depend on `seed`.
std::unique_ptr<PlayDB> Season(int clubs, int seed) {
    auto db = std::make_unique<PlayDB>();
    for (int club = 0; club < clubs; ++club) {
        auto totals = std::make_unique<TeamTotals>();
        totals->name = "Club " + std::to_string(club);
        for (int down = 0; down < 4; ++down)
            for (int bucket = 0; bucket < 4; ++bucket)
                totals->counts[down][bucket][club % 2] = seed * 1000 + club + down + bucket;
        db->MergeTeamTotals(std::move(totals));
    }
    return db;
}

std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> Entries(const fs::path& dir) {
    return {fs::directory_iterator(dir), fs::directory_iterator()};
}

// A folder of its own on a small tmpfs, so that the disk really fills up. Needs root (or
// the right to mount); anywhere else the tests are skipped.
class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        if (geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root";
        std::string pattern = (fs::temp_directory_path() / "gridtally-full-XXXXXX").string();
        if (!mkdtemp(pattern.data())) GTEST_SKIP() << "no temporary folder: " << strerror(errno);
        dir = pattern;
        if (mount("tmpfs", dir.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") != 0) {
            int reason = errno;
            fs::remove(dir);
            dir.clear();
            GTEST_SKIP() << "cannot mount a tmpfs here: " << strerror(reason);
        }
        mounted = true;
    }
    void TearDown() override {
        // A lazy unmount still goes through if something holds the folder open.
        if (mounted && umount(dir.c_str()) != 0) umount2(dir.c_str(), MNT_DETACH);
        if (!dir.empty()) fs::remove(dir);
    }
    // Takes all the space there is, then gives back `slack` bytes.
    void Fill(std::size_t slack) {
        std::ofstream filler(dir / "filler", std::ios::binary);
        std::string block(4096, 'x');
        while (filler.write(block.data(), block.size())) {
        }
        filler.close();
        fs::resize_file(dir / "filler", fs::file_size(dir / "filler") - slack);
    }
    fs::path dir;
    bool mounted = false;
};

TEST_F(FullDisk, ASaveThatDoesNotFitFailsAndLeavesTheOldFileAlone) {
    std::string path = (dir / "season.pdb").string();
    std::string error;
    ASSERT_TRUE(SavePlayDBFile(*Season(200, 1), path, &error)) << error;  // about 38 KB
    std::string old = Contents(path);
    std::unique_ptr<PlayDB> bigger = Season(500, 2);  // about 96 KB

    // No room at all, and room for part of the new file: a write that stops part way.
    for (std::size_t slack : {0u, 32u * 1024}) {
        Fill(slack);
        EXPECT_FALSE(SavePlayDBFile(*bigger, path, &error)) << slack;
        EXPECT_EQ(error, path + ": cannot write: " + strerror(ENOSPC)) << slack;
        EXPECT_EQ(Contents(path), old) << slack;
        EXPECT_EQ(Entries(dir).size(), 2u) << slack;  // the DB and the filler, no leftover
        fs::remove(dir / "filler");
    }

    ASSERT_TRUE(SavePlayDBFile(*bigger, path, &error)) << error;
    EXPECT_EQ(Contents(path), SerializePlayDB(*bigger));
    EXPECT_EQ(Entries(dir).size(), 1u);
}

// A save killed at any moment leaves the old DB or the new one, whole, at the path.
class KilledSave : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "gridtally-kill-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr) << strerror(errno);
        dir = pattern;
        path = (dir / "season.pdb").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    // Starts a save of `bytes` in a child; the child does nothing else. The DB is
    // serialised beforehand, so that the kills land in the file's part of the save.
    pid_t StartSave(const std::string& bytes) {
        pid_t child = fork();
        if (child == 0) {
            std::string error;
            _exit(WriteFileAtomically(path, bytes, &error) ? 0 : 1);
        }
        return child;
    }
    void PutBack(const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        ASSERT_EQ(Contents(path), bytes);
    }
    fs::path dir;
    std::string path;
};

TEST_F(KilledSave, TheFileIsAlwaysTheOldOrTheNewDB) {
    const std::string oldBytes = SerializePlayDB(*Season(15000, 1));
    const std::string newBytes = SerializePlayDB(*Season(20000, 2));  // almost 4 MB

    // How long a whole save takes, from fork to exit, at worst of a few.
    using Clock = std::chrono::steady_clock;
    Clock::duration save{};
    for (int run = 0; run < 3; ++run) {
        PutBack(oldBytes);
        Clock::time_point start = Clock::now();
        pid_t child = StartSave(newBytes);
        ASSERT_GT(child, 0) << strerror(errno);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        save = std::max(save, Clock::now() - start);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        ASSERT_EQ(Contents(path), newBytes);
    }

    // Kills spread over the save and a little past it, within a few seconds in all.
    const auto spread = std::chrono::duration_cast<std::chrono::microseconds>(save * 6 / 5);
    const int runs = static_cast<int>(std::clamp<long>(2'500'000 / (spread.count() + 1), 30, 200));
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> delay(0, spread.count());
    int old = 0, fresh = 0, finished = 0, leftovers = 0;
    for (int run = 0; run < runs; ++run) {
        PutBack(oldBytes);
        pid_t child = StartSave(newBytes);
        ASSERT_GT(child, 0) << strerror(errno);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        finished += WIFEXITED(status);

        std::string now = Contents(path);
        ASSERT_TRUE(now == oldBytes || now == newBytes)
            << "run " << run << " of seed " << seed << ": " << now.size() << " bytes";
        if (WIFEXITED(status)) {
            ASSERT_EQ(now, newBytes) << "a save that ended left the old DB";
        }
        ++(now == oldBytes ? old : fresh);

        // What a killed save leaves beside the DB is the start of the new one, never more.
        for (const fs::path& entry : Entries(dir)) {
            if (entry == path) continue;
            ++leftovers;
            std::string part = Contents(entry);
            EXPECT_EQ(part, newBytes.substr(0, part.size())) << entry;
        }
        // and the next save takes it away: its writer is gone.
        std::string error;
        ASSERT_TRUE(WriteFileAtomically(path, oldBytes, &error)) << error;
        EXPECT_EQ(Entries(dir), std::vector<fs::path>{path}) << "run " << run;
    }
    std::cout << "[ killed   ] " << runs << " saves of " << newBytes.size() << " bytes (one "
              << std::chrono::duration_cast<std::chrono::milliseconds>(save).count()
              << " ms), seed " << seed << ": " << old << " old, " << fresh << " new (" << finished
              << " finished before the kill), " << leftovers
              << " temporary files left, each removed by the next save\n";
    RecordProperty("old", old);
    RecordProperty("new", fresh);
}

}  // namespace
}  // namespace gridtally
