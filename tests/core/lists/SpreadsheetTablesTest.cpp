#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/game/GameLog.h"
#include "core/lists/PlayListContent.h"
#include "core/lists/Tendencies.h"
#include "core/reports/DefensivePlayerList.h"
#include "core/reports/PlayerReports.h"
#include "core/reports/PlayerSelection.h"
#include "core/text/Csv.h"
#include "core/text/FileBytes.h"
#include "core/text/Latin1.h"

namespace gridtally {
namespace {

TEST(FormatCsv, QuotesOnlyWhatNeedsItAndWritesUtf8) {
    struct Case {
        std::string field;
        std::string written;
    };
    const Case cases[] = {
        {"Dive Right", "Dive Right"},     {"", ""},
        {"4-3, Base", "\"4-3, Base\""},   {"The \"Q\"", "\"The \"\"Q\"\"\""},
        {"two\nlines", "\"two\nlines\""}, {"L\xE9on", "L\xC3\xA9on"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatCsv({{c.field}, {}}), c.written + "\r\n") << c.field;
    }
    EXPECT_EQ(FormatCsv({{"Play", "Calls"}, {{"Dive", "3"}, {"Sweep", "-2"}}}),
              "Play,Calls\r\nDive,3\r\nSweep,-2\r\n");
    EXPECT_EQ(
        FormatTabSeparated({{"Play", "Cmp/Att"}, {"Out", "8/11  (72 %)"}, {"a\tb", "L\xE9on"}}),
        "Play\tCmp/Att\nOut\t8/11  (72 %)\na b\tL\xC3\xA9on\n");
}

// A name a spreadsheet would run as a formula reaches it as text, in a CSV file and in
// pasted rows alike; a number, signed or not, stays a number.
TEST(FormatCsv, NamesNeverRunAsFormulas) {
    struct Case {
        std::string cell;
        std::string csv;
        std::string pasted;
    };
    const Case cases[] = {
        {"=HYPERLINK(\"http://x\",\"y\")", "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"",
         "'=HYPERLINK(\"http://x\",\"y\")"},
        {"=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0"},
        {"@SUM(1)", "'@SUM(1)", "'@SUM(1)"},
        {"+1+1", "'+1+1", "'+1+1"},
        {"-Blitz", "'-Blitz", "'-Blitz"},
        {"-", "'-", "'-"},
        {"-3.", "'-3.", "'-3."},
        {"\tTab", "'\tTab", "' Tab"},
        {"\rReturn", "\"'\rReturn\"", "' Return"},
        {"-3", "-3", "-3"},
        {"+4.5", "+4.5", "+4.5"},
        {"-12.25", "-12.25", "-12.25"},
        {"4-3 Base", "4-3 Base", "4-3 Base"},
        {"A=B", "A=B", "A=B"},
        {std::string(1, kUtf8Cell) + "=\xE9\x80\xB1.log", "'=\xE9\x80\xB1.log",
         "'=\xE9\x80\xB1.log"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatCsv({{"Play"}, {{c.cell}}}), "Play\r\n" + c.csv + "\r\n") << c.cell;
        EXPECT_EQ(FormatTabSeparated({{c.cell}}), c.pasted + "\n") << c.cell;
    }
}

// Every club page of three whole games as a table: one number a column, each equal to
// the counter it comes from, rows in the order given.
class SpreadsheetTables : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        std::string bytes, error;
        ASSERT_TRUE(ReadFileBytes(std::string(GRIDTALLY_TEST_DATA_DIR "/../../") + GetParam(),
                                  bytes, &error))
            << error;
        game.Load(bytes);
    }
    GameLog game;
};

std::size_t Column(const CsvTable& table, std::string_view name) {
    for (std::size_t i = 0; i < table.header.size(); ++i) {
        if (table.header[i] == name) return i;
    }
    ADD_FAILURE() << "no column " << name;
    return 0;
}

TEST_P(SpreadsheetTables, HoldTheCountersOfEveryPage) {
    for (int club = 0; club < 2; ++club) {
        std::string label = game.ClubLabel(club);
        std::string_view team = game.ClubName(label);
        for (PlayListKind list : {PlayListKind::Run, PlayListKind::Pass, PlayListKind::Defense}) {
            std::vector<std::unique_ptr<PlayRec>> plays;
            game.CollectPlayCalls(PlayListPlayKind(list), label, plays);
            std::vector<const PlayRec*> rows;
            for (const auto& play : plays) rows.push_back(play.get());
            SortPlayListRows(list, 2, rows);  // any order: the table keeps it
            CsvTable table = PlayListTable(list, rows);
            ASSERT_EQ(table.rows.size(), rows.size());
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const PlayCallRec& r = rows[i]->results;
                const std::vector<std::string>& row = table.rows[i];
                ASSERT_EQ(row.size(), table.header.size());
                EXPECT_EQ(row[0], rows[i]->key.play.str());
                if (list == PlayListKind::Pass) {
                    EXPECT_EQ(row[Column(table, "Cmp")], std::to_string(r.completions));
                    EXPECT_EQ(row[Column(table, "Att")], std::to_string(r.calls));
                    std::string shown = PlayListCells(list, *rows[i])[1];
                    EXPECT_NE(shown.find("(" + row[Column(table, "Pct")]), std::string::npos);
                } else if (list == PlayListKind::Defense) {
                    EXPECT_EQ(row[Column(table, "Runs")], std::to_string(r.runsFaced));
                    EXPECT_EQ(row[Column(table, "Run Yds")], std::to_string(r.runYardsAllowed));
                    EXPECT_EQ(row[Column(table, "Pass Yds")], std::to_string(r.passYardsAllowed));
                } else {
                    EXPECT_EQ(row, PlayListCells(list, *rows[i]));
                }
            }
        }

        CsvTable tendencies = TendencyTable(game.FindTeamTotals(label));
        ASSERT_EQ(tendencies.rows.size(), 16u);
        for (const auto& row : tendencies.rows) {
            int down = std::stoi(row[0]) - 1;
            std::size_t bucket = &row - &tendencies.rows[0] - static_cast<std::size_t>(down) * 4;
            EXPECT_EQ(row[2], std::to_string(game.teamTotals[club].counts[down][bucket][0]));
            EXPECT_EQ(row[3], std::to_string(game.teamTotals[club].counts[down][bucket][1]));
        }

        PlayerSelection defenders = CollectPlayers(game.roster, PlayerGroup::Defense, team);
        EXPECT_EQ(DPlayerTable(defenders).rows.size(), defenders.size());

        // A report's table lists every player its text lists, section by section.
        for (auto [build, table] :
             {std::pair{&BuildOffenseReport, OffenseReportTable(game.roster, team)},
              std::pair{&BuildSpecialTeamsReport, SpecialTeamsReportTable(game.roster, team)}}) {
            ReportLines lines;
            build(game.roster, team, lines, nullptr);
            std::size_t players = 0;
            for (const std::string& line : lines) players += !line.empty() && !IsBoldLine(line);
            EXPECT_EQ(table.rows.size(), players);
            for (const auto& row : table.rows) EXPECT_EQ(row.size(), table.header.size());
        }
        CsvTable offense = OffenseReportTable(game.roster, team);
        for (const auto& row : offense.rows) {
            const PlayerRec* player = FindPlayerByName(game.roster, row[Column(offense, "Name")]);
            ASSERT_NE(player, nullptr);
            std::int32_t yards = row[0] == "Passing"   ? player->passYards
                                 : row[0] == "Rushing" ? player->rushYards
                                                       : player->receivingYards;
            EXPECT_EQ(row[Column(offense, "Yds")], std::to_string(yards));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Games, SpreadsheetTables,
                         ::testing::Values("examples/riverside-at-hillcrest.log",
                                           "tests/data/comets-vs-prairie-dogs.log",
                                           "tests/data/harbor-city-vs-ironmen.log"));

}  // namespace
}  // namespace gridtally
