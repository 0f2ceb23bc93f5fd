#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/text/LogPaths.h"

namespace gridtally {
namespace {

namespace fs = std::filesystem;

TEST(LogPaths, GameLogNamesEndInDotLogInAnyCase) {
    for (const char* name : {"a.log", "B.LOG", "week 3.Log", ".log", "x.tar.lOg"}) {
        EXPECT_TRUE(IsGameLogName(name)) << name;
    }
    for (const char* name : {"", "log", "a.logs", "a.log.bak", "a_log", "notes.txt", "x.sqlite"}) {
        EXPECT_FALSE(IsGameLogName(name)) << name;
    }
}

// Files named stand for themselves, whatever they are; a folder for its entries with game
// log names, in byte order, links and all, and nothing else of it; a folder that cannot
// be listed for itself, with the reason.
TEST(LogPaths, FoldersGiveTheirGameLogsInByteOrder) {
    fs::path dir = fs::temp_directory_path() / ("gridtally-paths-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "sub.log");
    for (const char* name : {"b.LOG", "a.log", "A.Log", "\xC3\xA9.log", "\xE9.log", "notes.txt",
                             "export.sqlite", "a.logs"}) {
        std::ofstream(dir / name) << "x";
    }
    fs::create_symlink(dir / "notes.txt", dir / "link.log");
    fs::create_symlink("/dev/zero", dir / "zero.log");
    mkfifo((dir / "fifo.log").c_str(), 0600);
    const std::string d = dir.string();
    std::vector<LogPath> files = ExpandLogPaths({d + "/notes.txt", d, d + "/", d + "/gone.log"});
    std::vector<std::string> paths;
    for (const LogPath& file : files) {
        EXPECT_EQ(file.error, "") << file.path;
        paths.push_back(file.path);
    }
    std::vector<std::string> inFolder{"A.Log",   "a.log",    "b.LOG",        "fifo.log", "link.log",
                                      "sub.log", "zero.log", "\xC3\xA9.log", "\xE9.log"};
    std::vector<std::string> expected{d + "/notes.txt"};
    for (const std::string& name : inFolder) expected.push_back(d + "/" + name);
    for (const std::string& name : inFolder) expected.push_back(d + "/" + name);
    expected.push_back(d + "/gone.log");
    EXPECT_EQ(paths, expected);

    if (::geteuid() != 0) {  // root lists anyway
        fs::permissions(dir, fs::perms::owner_write);
        files = ExpandLogPaths({d});
        ASSERT_EQ(files.size(), 1u);
        EXPECT_EQ(files[0].path, d);
        EXPECT_EQ(files[0].error, "Permission denied");
        fs::permissions(dir, fs::perms::owner_all);
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace gridtally
