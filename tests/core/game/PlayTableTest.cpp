#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "core/game/GameLog.h"
#include "core/game/PlaySums.h"
#include "core/game/PlayTable.h"
#include "core/model/LogReader.h"
#include "core/text/FileBytes.h"

namespace gridtally {
namespace {

namespace fs = std::filesystem;

// Every game log the tests and the examples hold.
std::vector<fs::path> EveryLog() {
    std::vector<fs::path> logs;
    for (fs::path dir : {fs::path(GRIDTALLY_TEST_DATA_DIR),
                         fs::path(GRIDTALLY_TEST_DATA_DIR) / "../../examples"}) {
        for (const auto& entry : fs::directory_iterator(dir)) {
            if (entry.path().extension() == ".log") logs.push_back(entry.path());
        }
    }
    std::sort(logs.begin(), logs.end());
    return logs;
}

std::string Bytes(const fs::path& path) {
    std::string bytes, error;
    EXPECT_TRUE(ReadFileBytes(path.string(), bytes, &error)) << error;
    return bytes;
}

void ReadWithPlays(GameLog& game, std::string_view bytes) {
    game.keepText = false;
    game.keepPlays = true;
    game.diagnostics = &NoDiagnostics();
    game.Load(bytes);
}

std::map<std::string, std::vector<std::int32_t>> Records(const PlayCallTable& table) {
    std::map<std::string, std::vector<std::int32_t>> records;
    for (const auto& [key, record] : table.records()) {
        for (const auto& field : kPlayCallCounterFields)
            records[key].push_back(*record.*field.member);
    }
    return records;
}

// The table is a second account of the game: summed up again, its plays give exactly
// what the reading gave the roster, the play-call table and the clubs' tendencies.
TEST(PlayTable, ItsPlaysSumToTheGameOnEveryLog) {
    std::vector<fs::path> logs = EveryLog();
    ASSERT_GE(logs.size(), 3u);
    for (const fs::path& path : logs) {
        SCOPED_TRACE(path.filename().string());
        std::string bytes = Bytes(path);
        GameLog game;
        ReadWithPlays(game, bytes);
        const GamePlays& plays = game.plays;

        // One row per play statement, in order, each pointing at its own text.
        std::vector<std::string> playStatements;
        ReadLogStatements(bytes, [&](Statement& statement, StatementSpan span) {
            Statement marked = statement;
            if (ClassifyStatement(marked) != StatementKind::Play) return;
            std::replace(statement.begin(), statement.end(), SentenceMark, ' ');
            EXPECT_EQ(StatementText(bytes, span), statement);
            playStatements.push_back(statement);
        });
        ASSERT_EQ(plays.plays.size(), playStatements.size());
        for (std::size_t i = 0; i < plays.plays.size(); ++i) {
            const Play& play = plays.plays[i];
            EXPECT_EQ(play.seq, static_cast<std::int32_t>(i + 1));
            EXPECT_EQ(StatementText(bytes, {play.textOffset, play.textLength}), playStatements[i]);
            EXPECT_FALSE(play.scoreMismatch) << playStatements[i];
            EXPECT_FALSE(play.offense.empty()) << playStatements[i];
            EXPECT_GE(play.quarter, 1);
        }

        std::vector<PlayerCounters> sums = SumCredits(plays, game.roster.size());
        for (std::size_t i = 0; i < game.roster.size(); ++i) {
            EXPECT_EQ(sums[i], CountersOf(*game.roster.at(i))) << game.roster.at(i)->name.str();
        }
        EXPECT_EQ(Records(SumPlayCalls(plays)), Records(game.playCalls));
        std::array<TeamTotals, 2> totals;
        for (const Play& play : plays.plays) AddToTeamTotals(play, totals);
        for (int club : {0, 1}) {
            EXPECT_TRUE(std::equal(&totals[club].counts[0][0][0],
                                   &totals[club].counts[0][0][0] + 32,
                                   &game.teamTotals[club].counts[0][0][0]));
        }
        // A selection sums only its plays: third downs hold a part of the runs and passes.
        auto thirdDowns = SumPlayCalls(plays, [](const Play& play) { return play.down == 3; });
        EXPECT_LT(thirdDowns.size(), game.playCalls.size());
    }
}

// The running score agrees with what the game itself says at its end.
TEST(PlayTable, TheRunningScoreEndsAtTheFinalScore) {
    struct Case {
        const char* file;
        std::map<std::string, int> final;
    };
    for (const Case& c :
         {Case{"comets-vs-prairie-dogs.log", {{"Prairie Dogs", 43}, {"Comets", 58}}},
          Case{"harbor-city-vs-ironmen.log", {{"Ironmen", 59}, {"Harbor City", 17}}}}) {
        GameLog game;
        ReadWithPlays(game, Bytes(fs::path(GRIDTALLY_TEST_DATA_DIR) / c.file));
        std::map<std::string, int> score;
        for (const Play& play : game.plays.plays) {
            score[play.offense] = play.offenseScore;
            score[play.defense] = play.defenseScore;
            if (play.scoringSide == ScoringSide::Offense) score[play.offense] += play.points;
            if (play.scoringSide == ScoringSide::Defense) score[play.defense] += play.points;
        }
        EXPECT_EQ(score, c.final) << c.file;
    }
}

// Plays read by hand from the example game, one of each kind of row.
TEST(PlayTable, RowsOfTheExampleGame) {
    std::string bytes =
        Bytes(fs::path(GRIDTALLY_TEST_DATA_DIR) / "../../examples/riverside-at-hillcrest.log");
    GameLog game;
    ReadWithPlays(game, bytes);
    DataTable table = EmptyPlayTable();
    AppendPlayRows(table, "riverside-at-hillcrest.log", game, bytes);
    ASSERT_EQ(table.columns.size(), 32u);
    EXPECT_EQ(table.columns.front().name, "game");
    EXPECT_EQ(table.columns[25].name, "scoring_side");
    EXPECT_EQ(table.columns.back().name, "epa");

    // Columns from "seq" to "scoring_side" without "game" and "text".
    auto shown = [&](std::size_t seq) {
        std::string line;
        const std::vector<std::string>& row = table.rows.at(seq - 1);
        const std::size_t scoringSide = 25;  // the measures after it are checked elsewhere
        for (std::size_t i = 1; i <= scoringSide; ++i) {
            if (table.columns[i].name == "text") continue;
            line += row[i] + (i < scoringSide ? "|" : "");
        }
        return line;
    };
    // clang-format off
    const std::vector<std::pair<std::size_t, std::string>> rows{
        // The opening kick-off: no down, the kicking side's call.
        {1, "1|1|900|Riverside Otters|Hillcrest||0|35|0|0|kickoff|Deep Kick|3|Return Left|8|0|0|0|0|0|Marco Dunn||0|"},
        // "on Riverside Otters's 31" with 11:48 left: 69 yards from Hillcrest's goal.
        {7, "7|1|708|Hillcrest|Riverside Otters|2|11|69|0|0|pass|Deep Post|30|Dime|12|31|6|1|0|0|Ren\xe9 Castel|Ben Tsai|0|offense"},
        {8, "8|1|699|Hillcrest|Riverside Otters||0|97|6|0|extra_point|Extra Point|50|Kick Block|51|0|1|0|0|0|||0|offense"},
        {12, "12|1|657|Riverside Otters|Hillcrest|3|9|21|0|7|pass|Out|23|Nickel|11|0|0|0|1|0|Wes Varga|L\xe9on Brandt|0|"},
        {24, "24|1|420|Hillcrest|Riverside Otters|1|10|57|14|0|sack|Seam|26|Nickel|11|0|0|0|0|0||Ben Tsai|0|"},
        {44, "44|2|869|Hillcrest|Riverside Otters|4|4|86|20|0|field_goal|Field Goal|60|Field Goal Block|61|0|3|0|0|0|||0|offense"},
        // A fumble the defense kept: the call keeps the 3 yards before it.
        {46, "46|2|859|Riverside Otters|Hillcrest|1|10|49|0|23|run|Toss Left|15|Cover 2|14|3|0|0|1|0|Nate Brooks||0|"},
        // Called back: nothing credited, not even the call.
        {48, "48|2|819|Hillcrest|Riverside Otters|2|6|61|23|0|other|||||0|0|0|0|0|||0|"},
    };
    // clang-format on
    for (const auto& [seq, expected] : rows) EXPECT_EQ(shown(seq), expected);
    EXPECT_EQ(table.rows[47][24],
              "The pass from Hillcrest's QB #12 Ben Tsai is caught by WR #11 Eli Moss for a gain "
              "of 20 yards. The play is called back for holding. That was Seam (26) against "
              "Riverside Otters's Dime (12).");
}

// Scores that do not add up are flagged, not mended; plays without a situation before
// them take their sides from their own sentences.
TEST(PlayTable, FlagsAScoreThatDisagreesAndNamesSidesWithoutASituation) {
    const std::string log =
        "Rams's ball on Otters's 10 yard line. First and 10. There are 9:00 left in the "
        "second quarter. The score is Rams 3, Otters 0. Rams has possession.\n\n"
        "Rams's QB #1 Al Moe keeps the ball and runs for a gain of 10 yards. Touchdown, "
        "Rams! That was Sneak (1) against Otters's Base (2).\n\n"
        "Rams's K #3 Bo Kay kicks for the extra point. The kick is good. That was Extra "
        "Point (5) against Otters's Block (6).\n\n"
        "Otters's ball on their 25 yard line. First and 10. There are 8:50 left in the "
        "second quarter. The score is Rams 9, Otters 0. Otters has possession.\n\n"
        "Otters's QB #7 Cy Dee keeps the ball and runs for a gain of 2 yards. That was "
        "Sneak (1) against Rams's Base (2).\n\n";
    GameLog game;
    ReadWithPlays(game, log);
    const std::vector<Play>& plays = game.plays.plays;
    ASSERT_EQ(plays.size(), 3u);
    EXPECT_EQ(plays[0].type, PlayType::Run);
    EXPECT_EQ(plays[0].yardLine, 90);
    EXPECT_EQ(plays[0].quarter, 2);
    EXPECT_EQ(plays[0].offenseScore, 3);
    EXPECT_EQ(plays[0].scoringSide, ScoringSide::Offense);
    EXPECT_FALSE(plays[0].scoreMismatch);
    // The extra point has no situation: its sides come from its kicker's club, its
    // score from the running one, and the log's next score (9, not 10) disagrees.
    EXPECT_EQ(plays[1].offense, "Rams");
    EXPECT_EQ(plays[1].defense, "Otters");
    EXPECT_EQ(plays[1].offenseScore, 9);
    EXPECT_EQ(plays[1].quarter, 2);
    EXPECT_EQ(plays[1].clock, -1);
    EXPECT_EQ(plays[1].yardLine, -1);
    EXPECT_TRUE(plays[1].scoreMismatch);
    EXPECT_EQ(plays[2].defenseScore, 9);  // as the log says, not as it was summed
}

// A reading keeps its own state: logs read on two threads at once give what each gives
// alone.
TEST(PlayTable, TwoLogsReadAtOnceGiveWhatEachGivesAlone) {
    std::vector<fs::path> logs = EveryLog();
    std::vector<std::string> bytes;
    for (const fs::path& path : logs) bytes.push_back(Bytes(path));
    auto table = [&](std::size_t i, std::vector<std::string>* messages) {
        DiagnosticsCapture capture;
        GameLog game;
        ReadWithPlays(game, bytes[i]);
        game.diagnostics = &capture;
        game.Load(bytes[i]);
        DataTable rows = EmptyPlayTable();
        AppendPlayRows(rows, "g", game, bytes[i]);
        *messages = capture.stdoutMessages();
        messages->insert(messages->end(), capture.stderrMessages().begin(),
                         capture.stderrMessages().end());
        return rows.rows;
    };
    for (std::size_t i = 0; i + 1 < logs.size(); ++i) {
        std::vector<std::string> aloneMessages[2], togetherMessages[2];
        auto alone0 = table(i, &aloneMessages[0]);
        auto alone1 = table(i + 1, &aloneMessages[1]);
        std::vector<std::vector<std::string>> together0, together1;
        std::thread other([&] { together1 = table(i + 1, &togetherMessages[1]); });
        together0 = table(i, &togetherMessages[0]);
        other.join();
        EXPECT_EQ(together0, alone0);
        EXPECT_EQ(together1, alone1);
        EXPECT_EQ(togetherMessages[0], aloneMessages[0]);
        EXPECT_EQ(togetherMessages[1], aloneMessages[1]);
    }
}

// Every column says in words what it holds, for the header's tooltip.
TEST(PlayTable, EveryColumnHasAMeaning) {
    for (const DataColumn& column : EmptyPlayTable().columns) {
        EXPECT_FALSE(PlayColumnMeaning(column.name).empty()) << column.name;
    }
    EXPECT_EQ(PlayColumnMeaning("to_go"), "yards to go for a first down");
    EXPECT_TRUE(PlayColumnMeaning("no_such_column").empty());
}

}  // namespace
}  // namespace gridtally
