#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/game/GameLog.h"
#include "core/model/Statement.h"
#include "core/playdb/PlayDB.h"
#include "core/playdb/Season.h"
#include "core/text/Diagnostics.h"
#include "core/text/FileBytes.h"

namespace gridtally {
namespace {

std::int32_t LoadCounting(GameLog& game, std::string_view bytes) {
    game.diagnostics = &NoDiagnostics();
    game.Load(bytes);
    return game.statementCount;
}

TEST(GameLogLoad, SplitsLinesAtLfAndCrLfAndKeepsThemWithMarksShownAsBlanks) {
    GameLog game;
    LoadCounting(game, "one\r\ntwo\x05three\n\r\nlast\rline");
    EXPECT_EQ(game.logLines, (std::vector<std::string>{"one", "two three", "", "last\rline"}));
    EXPECT_EQ(game.sourceText, "one\r\ntwo\x05three\n\r\nlast\rline");
}

TEST(GameLogLoad, HandsEveryClosedStatementToTheParser) {
    GameLog game;
    EXPECT_EQ(LoadCounting(game, "a\n\nb\n\n\n\nc\n"), 4);  // "c" is never closed
    EXPECT_EQ(LoadCounting(game, "a\nlost text\f\nb\n"), 1);
    EXPECT_EQ(game.logLines, (std::vector<std::string>{"a", "lost text\f", "b"}));
}

TEST(GameLog, StartsWithPlaceholderNamesThatLoadingEmpties) {
    GameLog game;
    EXPECT_EQ(game.modelKind, ModelKind::GameLog);
    EXPECT_EQ(game.team1Name, "Team 1");
    EXPECT_EQ(game.team2Name, "Team 2");
    EXPECT_EQ(game.currentState, nullptr);

    game.Load("Turfa Football Game Log\n\nNo situation here.\n\n");
    EXPECT_TRUE(game.team1Name.empty());
    EXPECT_TRUE(game.team2Name.empty());
}

TEST(GameLog, FindTeamTotalsAnswersToTheNamesAndToTheirPlaceholders) {
    GameLog game;
    game.Load("Turfa Football Game Log\n\n");
    EXPECT_EQ(game.FindTeamTotals("Team 1"), &game.teamTotals[0]);
    EXPECT_EQ(game.FindTeamTotals("Team 2"), &game.teamTotals[1]);
    EXPECT_EQ(game.FindTeamTotals("Rams"), nullptr);

    game.team1Name = "Otters";
    game.team2Name = "Rams";
    EXPECT_EQ(game.FindTeamTotals("Otters"), &game.teamTotals[0]);
    EXPECT_EQ(game.FindTeamTotals("Rams"), &game.teamTotals[1]);
    EXPECT_EQ(game.FindTeamTotals("rams"), nullptr);
    EXPECT_EQ(game.FindTeamTotals("Team 1"), &game.teamTotals[0]);

    PlayModel& model = game;  // reached through the interface the lists use
    EXPECT_EQ(model.FindTeamTotals("Team 2"), &game.teamTotals[1]);
}

TEST(GameLog, PlayModelOperationsReachThePlayCallTable) {
    GameLog game;
    game.diagnostics = &NoDiagnostics();
    game.Load(
        "Otters's ball on their 20 yard line. First and 10. Clock. The score is Otters 0,\n"
        "Rams 0. Otters has possession.\n"
        "\n"
        "Odd play. That was Dive (1) against Rams's Base (2).\n"
        "\n");
    EXPECT_EQ(game.team1Name, "Otters");
    EXPECT_EQ(game.team2Name, "Rams");

    PlayModel& model = game;
    std::vector<std::unique_ptr<PlayRec>> list;
    model.CollectPlayCalls(PlayKind::Defense, "Team 2", list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->key.keyText, "Rams|Base|3");
    model.CollectPlayCalls(PlayKind::None, "Otters", list);
    ASSERT_EQ(list.size(), 2u);

    PlayRec& offense = *list[1];
    EXPECT_TRUE(model.RemovePlayCall(offense));
    EXPECT_EQ(game.playCalls.Find("Otters|Dive|5"), nullptr);
    offense.key.kind = PlayKind::Run;  // the adjustment re-files a play as a run
    offense.results.calls = 1;
    model.AddPlayCall(offense);
    EXPECT_EQ(game.playCalls.Find("Otters|Dive|0")->calls, 1);
}

TEST(GameLog, ASecondLoadStartsAfresh) {
    GameLog game;
    game.Load("a\n\nb\n\n");
    game.Load("c\n");
    EXPECT_EQ(game.logLines, std::vector<std::string>{"c"});
    EXPECT_EQ(game.sourceText, "c\n");
}

TEST(GameLog, ReadsWholeGamesWithEitherLineEnd) {
    // Counted independently in the files: statements close at their empty lines and at
    // their form-feed lines; both files end with an empty line, so none is dropped.
    struct Case {
        const char* file;
        std::size_t lines;
        std::int32_t statements;
        const char* team1;
        const char* team2;
    };
    for (const Case& c :
         {Case{"comets-vs-prairie-dogs.log", 1504, 358 + 22, "Comets", "Prairie Dogs"},
          Case{"harbor-city-vs-ironmen.log", 1566, 379 + 23, "Harbor City", "Ironmen"}}) {
        std::string bytes, error;
        ASSERT_TRUE(ReadFileBytes(std::string(GRIDTALLY_TEST_DATA_DIR "/") + c.file, bytes, &error))
            << error;
        GameLog game;
        EXPECT_EQ(LoadCounting(game, bytes), c.statements) << c.file;
        EXPECT_EQ(game.logLines.size(), c.lines) << c.file;
        for (const std::string& line : game.logLines) {
            EXPECT_EQ(line.find_first_of("\r\x05"), std::string::npos) << c.file << ": " << line;
        }
        EXPECT_EQ(game.sourceText, bytes);
        EXPECT_EQ(game.team1Name, c.team1) << c.file;
        EXPECT_EQ(game.team2Name, c.team2) << c.file;

        // Without the text the figures are the same.
        GameLog figuresOnly;
        figuresOnly.keepText = false;
        EXPECT_EQ(LoadCounting(figuresOnly, bytes), c.statements) << c.file;
        EXPECT_TRUE(figuresOnly.logLines.empty() && figuresOnly.sourceText.empty());
        EXPECT_EQ(figuresOnly.roster.size(), game.roster.size());
        EXPECT_EQ(figuresOnly.playCalls.size(), game.playCalls.size());
        EXPECT_EQ(figuresOnly.team2Name, c.team2);
    }
}

// A NUL byte in the first 4 KB makes a file binary: no game log for any reader of logs,
// for the reason that says so. Past them a NUL is one more byte of the text.
// The "AWAY at HOME" line: split at the " at " that leaves both clubs, before the first
// statement only.
TEST(HomeClub, ReadsTheLineThatNamesBothClubs) {
    struct Case {
        std::string_view head;
        std::array<std::string, 2> clubs;
        int home;
    } cases[] = {
        {"Turfa Football Game Log\n\nRiverside Otters at Hillcrest\n",
         {"Riverside Otters", "Hillcrest"},
         1},
        {"Prairie Dogs at Comets\r\n", {"Comets", "Prairie Dogs"}, 0},
        {"Stand at Bay at Comets  \n", {"Comets", "Stand at Bay"}, 0},
        {"Comets at Stand at Bay\n", {"Comets", "Stand at Bay"}, 1},
        {"Otters at Hillcrest Bay\n", {"Otters", "Hillcrest"}, -1},
        {"Weather at the stadium\n", {"Otters", "Hillcrest"}, -1},
        {"", {"Otters", "Hillcrest"}, -1},
        {"Otters at Otters\n", {"Otters", "Otters"}, -1},
    };
    for (const Case& c : cases) {
        std::string log = std::string(c.head) + "1st and 10\nHillcrest at Otters\n";
        EXPECT_EQ(HomeClub(log, c.head.size(), c.clubs), c.home) << c.head;
    }
}

TEST(GameLogLoad, ABinaryFileIsNoGameLogForAnyReader) {
    std::string log, error;
    ASSERT_TRUE(ReadFileBytes(GRIDTALLY_TEST_DATA_DIR "/harbor-city-vs-ironmen.log", log, &error));
    ASSERT_GT(log.size(), 4096u);
    char folder[] = "/tmp/gridtally-binary-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/game.log";
    // What each reader makes of the bytes: nothing for a game, else why not.
    using Reader = std::function<std::optional<std::string>(const std::string& bytes)>;
    auto onDisk = [&](const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    };
    auto reason = [](bool game, std::string_view why) {
        return game ? std::nullopt : std::optional<std::string>(why);
    };
    const std::vector<std::pair<std::string, Reader>> readers{
        {"game window",
         [&](const std::string& bytes) {
             GameLog game;
             LoadCounting(game, bytes);
             return reason(game.IsGameLog(), game.NotAGameLogReason());
         }},
        {"season",
         [&](const std::string& bytes) {
             Season season;
             Season::ReadResult read = season.Read({onDisk(bytes)});
             bool game = read.failures.empty() && season.games().size() == 1;
             return reason(game, game ? "" : read.failures.at(0).reason);
         }},
        {"season follows",
         [&](const std::string& bytes) {
             Season season;
             return reason(season.Follow(path, bytes) == Season::Change::Added, kBinaryNotAGameLog);
         }},
        {"db add",
         [&](const std::string& bytes) {
             PlayDB db;
             db.diagnostics = &NoDiagnostics();
             std::set<std::string> names;
             PlayDB::AddResult added = db.AddLogFiles({onDisk(bytes)}, names, {}, 1);
             bool game = added.failures.empty() && db.HasTeam("Ironmen");
             return reason(game, game ? "" : added.failures.at(0).reason);
         }},
        {"db add in turn",
         [&](const std::string& bytes) {
             PlayDB db;
             db.diagnostics = &NoDiagnostics();
             std::set<std::string> names;
             bool game = db.AddLog(&bytes, names);
             EXPECT_EQ(game, db.HasTeam("Ironmen"));
             return reason(game, kBinaryNotAGameLog);
         }},
    };
    std::string early = log, late = log + '\0';
    early[4095] = '\0';
    for (const auto& [name, read] : readers) {
        EXPECT_EQ(read(early), std::string(kBinaryNotAGameLog)) << name;
        EXPECT_EQ(read(std::string(1, '\0') + log), std::string(kBinaryNotAGameLog)) << name;
        EXPECT_EQ(read(late), std::nullopt) << name;
        EXPECT_EQ(read(log), std::nullopt) << name;
    }
    std::filesystem::remove_all(folder);
}

// Only a regular file is read: a FIFO or a pipe would wait for a writer and a device
// may never end, so they are refused at once, as is a socket or a folder.
TEST(ReadFileBytes, ReportsWhyAFileCannotBeRead) {
    char folder[] = "/tmp/gridtally-kinds-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string dir = folder;
    ASSERT_EQ(mkfifo((dir + "/fifo.log").c_str(), 0600), 0);
    ASSERT_EQ(symlink("/dev/zero", (dir + "/zero.log").c_str()), 0);
    int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s/socket.log", folder);
    ASSERT_EQ(bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);  // its writing end open, and nothing ever written

    const std::string notRegular(kNotARegularFile);
    for (const auto& [path, reason] : std::vector<std::pair<std::string, std::string>>{
             {"/no/such/file.log", "No such file or directory"},
             {GRIDTALLY_TEST_DATA_DIR, notRegular},
             {dir + "/fifo.log", notRegular},
             {dir + "/zero.log", notRegular},
             {dir + "/socket.log", notRegular},
             {"/dev/fd/" + std::to_string(ends[0]), notRegular},
         }) {
        std::string bytes = "stale", error;
        EXPECT_FALSE(ReadFileBytes(path, bytes, &error)) << path;
        EXPECT_EQ(error, reason) << path;
        EXPECT_TRUE(bytes.empty()) << path;
    }
    close(ends[0]);
    close(ends[1]);
    close(listening);
    std::filesystem::remove_all(dir);
}

TEST(ReadFileBytes, ReadsEveryByteOfFilesOfAnySize) {
    for (std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{65536}, std::size_t{200001}}) {
        std::string content(size, '\0');
        for (std::size_t i = 0; i < size; ++i) content[i] = static_cast<char>(i * 7 + i / 251);
        char path[] = "/tmp/gridtally-bytes-XXXXXX";
        int fd = mkstemp(path);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(write(fd, content.data(), size), static_cast<ssize_t>(size));
        close(fd);
        std::string bytes, error;
        EXPECT_TRUE(ReadFileBytes(path, bytes, &error)) << error;
        EXPECT_EQ(bytes, content) << size;
        unlink(path);
    }
}

}  // namespace
}  // namespace gridtally
