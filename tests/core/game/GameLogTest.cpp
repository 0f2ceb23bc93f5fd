#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "core/game/GameLog.h"
#include "core/model/Statement.h"
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

TEST(ReadFileBytes, ReportsWhyAFileCannotBeRead) {
    std::string bytes = "stale", error;
    EXPECT_FALSE(ReadFileBytes("/no/such/file.log", bytes, &error));
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(ReadFileBytes(GRIDTALLY_TEST_DATA_DIR, bytes, &error));
    EXPECT_EQ(error, "Is a directory");
}

TEST(ReadFileBytes, ReadsEveryByteOfFilesAndPipesOfAnySize) {
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

        // A pipe has no size to ask for.
        int ends[2];
        ASSERT_EQ(pipe(ends), 0);
        std::thread writer([&] {
            for (std::size_t done = 0; done < size;) {
                ssize_t n = write(ends[1], content.data() + done, size - done);
                if (n <= 0) break;
                done += static_cast<std::size_t>(n);
            }
            close(ends[1]);
        });
        EXPECT_TRUE(ReadFileBytes("/dev/fd/" + std::to_string(ends[0]), bytes, &error)) << error;
        writer.join();
        close(ends[0]);
        EXPECT_EQ(bytes, content) << "pipe, " << size;
    }
}

}  // namespace
}  // namespace gridtally
