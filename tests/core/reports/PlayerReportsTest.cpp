#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/PlayerRoster.h"
#include "core/playdb/Season.h"
#include "core/reports/GamePrintout.h"
#include "core/reports/PlayerReports.h"

namespace gridtally {
namespace {

class ReportTest : public ::testing::Test {
protected:
    PlayerRec& Add(const char* reference, const char* team = "Otters") {
        return *FindOrAddPlayer(reference, team, roster);
    }
    ReportLines Offense(const char* team = "Otters") {
        ReportLines lines;
        BuildOffenseReport(roster, team, lines);
        return lines;
    }
    ReportLines Special(const char* team = "Otters") {
        ReportLines lines;
        BuildSpecialTeamsReport(roster, team, lines);
        return lines;
    }
    PlayerRoster roster;
};

const ReportLines kEmptyOffense{
    "[B] Passing Stats                Com Att Yds  Pct  TDs Ints Fmbls", "",
    "[B]  Rushing Stats               Car Yds Avg   TDs Fumbles",        "",
    "[B]  Receiving Stats             Rec Yds Avg   TDs Fumbles",
};

TEST_F(ReportTest, AClubWithNothingGivesTheThreeHeadersOnly) {
    EXPECT_EQ(Offense(), kEmptyOffense);
    Add("LB #50 Kurt Baines").tackles = 3;
    EXPECT_EQ(Offense(), kEmptyOffense);
    EXPECT_EQ(Special(), (ReportLines{
                             "[B]Kicking Stats:                 KO Tbs PATs blk FGs         Blk",
                             "",
                             "[B]Punting Stats:              Punts Gr  Avg   Net Avg   Tbs Blk",
                             "",
                             "[B]Returner Stats:              P-Rtns Yds TDs K-Rtns Yds TDs",
                         }));
}

TEST_F(ReportTest, AQuarterbackWhoRanIsListedInBothSectionsWithHisFumbles) {
    PlayerRec& qb = Add("QB #7 Al Cole");
    qb.passAttempts = 3;
    qb.completions = 2;
    qb.passYards = 25;
    qb.passTouchdowns = 1;
    qb.rushAttempts = 2;
    qb.rushYards = -4;
    qb.fumbles = 1;
    PlayerRec& back = Add("HB #22 Dario Vance");
    back.receptions = 4;
    back.receivingYards = 38;
    back.receivingTouchdowns = 1;

    EXPECT_EQ(Offense(), (ReportLines{
                             "[B] Passing Stats                Com Att Yds  Pct  TDs Ints Fmbls",
                             "QB   7   Al Cole                  2   3   25   66.7  1   0   1 ",
                             "",
                             "[B]  Rushing Stats               Car Yds Avg   TDs Fumbles",
                             "QB   7   Al Cole                  2   -4  -2.0  0  1 ",
                             "",
                             "[B]  Receiving Stats             Rec Yds Avg   TDs Fumbles",
                             "HB   22  Dario Vance              4   38   9.5   1  0 ",
                         }));
}

TEST_F(ReportTest, NoCompletionsPrintZeroPercentAndLongNamesPushTheRowRight) {
    PlayerRec& qb = Add("QB #12 Maximilian Vanderbilt-Wh");  // 24 characters
    qb.passAttempts = 3;
    ReportLines lines = Offense();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1], "QB   12  Maximilian Vanderbilt-Wh     0   3   0    0.0   0   0   0 ");
    EXPECT_EQ(lines[1].find("0   3"), 34u + 4u);
}

TEST_F(ReportTest, ListsPlayersInRosterOrderAndMatchesTheClubExactly) {
    Add("HB #22 Zed Adams").rushAttempts = 1;
    Add("HB #23 Abe Brown").rushAttempts = 1;
    Add("HB #24 Cy Other", "otters").rushAttempts = 1;
    ReportLines lines = Offense();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_TRUE(lines[3].starts_with("HB   22  Zed Adams"));
    EXPECT_TRUE(lines[4].starts_with("HB   23  Abe Brown"));
}

TEST_F(ReportTest, SpecialTeamsRows) {
    PlayerRec& kicker = Add("K #3 Abel Moreau");
    kicker.kickoffs = 6;
    kicker.kickoffTouchbacks = 2;
    kicker.extraPointsMade = 3;
    kicker.extraPointAttempts = 4;
    kicker.fieldGoalsMade = 2;
    kicker.fieldGoalAttempts = 3;
    kicker.longestFieldGoal = 47;
    kicker.punts = 1;  // one player may kick and punt
    kicker.puntGrossYards = 40;
    kicker.puntNetYards = -3;
    PlayerRec& placeKicker = Add("K #5 Ray Ochoa");  // no kick-off, but a field goal
    placeKicker.fieldGoalsMade = 1;
    placeKicker.fieldGoalAttempts = 1;
    PlayerRec& returner = Add("WR #11 Eli Moss");
    returner.puntReturns = 2;
    returner.puntReturnYards = 15;
    PlayerRec& kickReturner = Add("HB #22 Dario Vance");
    kickReturner.kickReturns = 1;
    kickReturner.kickReturnYards = 100;
    kickReturner.kickReturnTouchdowns = 1;

    EXPECT_EQ(Special(), (ReportLines{
                             "[B]Kicking Stats:                 KO Tbs PATs blk FGs         Blk",
                             "K    3   Abel Moreau              6  2   3/4 0   2/3 (47 lng) 0 ",
                             "K    5   Ray Ochoa                0  0   0/0 0   1/1 (0 lng) 0 ",
                             "",
                             "[B]Punting Stats:              Punts Gr  Avg   Net Avg   Tbs Blk",
                             "K    3   Abel Moreau              1  40  40.0  -3  -3.0  0    0  ",
                             "",
                             "[B]Returner Stats:              P-Rtns Yds TDs K-Rtns Yds TDs",
                             "WR   11  Eli Moss                 2    15   0   0      0   0  ",
                             "HB   22  Dario Vance              0    0    0   1      100 1  ",
                         }));
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    for (std::size_t at = text.find_first_not_of(' '); at != std::string_view::npos;) {
        std::size_t end = std::min(text.find(' ', at), text.size());
        words.emplace_back(text.substr(at, end - at));
        at = text.find_first_not_of(' ', end);
    }
    return words;
}

// The numbers of a text cell: "244/319 (55 lng)" holds 244, 319 and 55.
std::vector<std::string> Figures(std::string_view cell) {
    std::vector<std::string> figures(1);
    for (char c : cell) {
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '.') {
            figures.back() += c;
        } else if (!figures.back().empty()) {
            figures.emplace_back();
        }
    }
    if (figures.back().empty()) figures.pop_back();
    return figures;
}

// The figures of each section's text row in the spreadsheet table, in the text's order.
const std::map<std::string, std::vector<std::string_view>> kTableFigures{
    {"Passing", {"Com", "Att", "Yds", "Pct", "TDs", "Ints", "Fumbles"}},
    {"Rushing", {"Car", "Yds", "Avg", "TDs", "Fumbles"}},
    {"Receiving", {"Rec", "Yds", "Avg", "TDs", "Fumbles"}},
    {"Kicking", {"KO", "KO Tbs", "PAT", "PAT Att", "PAT Blk", "FG", "FG Att", "FG Lng", "FG Blk"}},
    {"Punting", {"Punts", "Gross", "Gross Avg", "Net", "Net Avg", "Punt Tbs", "Punts Blk"}},
    {"Returns", {"P-Rtns", "P-Rtn Yds", "P-Rtn TDs", "K-Rtns", "K-Rtn Yds", "K-Rtn TDs"}},
};

// A season's report text is a table per section: each label starts over its column, every
// column is set off by a blank, and the cells are the figures of the report's spreadsheet
// table, row for row. Names, the first figures and the games played start at the same
// columns in every section.
void ExpectSeasonTable(const ReportLines& lines, const CsvTable& table) {
    const std::map<std::string_view, std::size_t> composite{{"PATs", 2}, {"FGs", 3}};
    std::size_t csvRow = 0;
    std::vector<std::size_t> firstStarts, gamesStarts;
    for (std::size_t at = 0; at < lines.size();) {
        const std::string& header = lines[at++];
        ASSERT_TRUE(IsBoldLine(header)) << header;
        std::size_t titleEnd = header.find(' ', header.find("Stats"));
        std::vector<std::size_t> starts;
        std::vector<std::string_view> labels;
        for (std::size_t i = titleEnd; i < header.size(); ++i) {
            if (header[i] == ' ' || header[i - 1] != ' ') continue;
            starts.push_back(i);
            labels.push_back(std::string_view(header).substr(i, header.find(' ', i) - i));
        }
        ASSERT_FALSE(labels.empty()) << header;
        EXPECT_EQ(labels.back(), "G") << header;
        firstStarts.push_back(starts.front());
        gamesStarts.push_back(starts.back());
        for (; at < lines.size() && !lines[at].empty(); ++at, ++csvRow) {
            const std::string& line = lines[at];
            ASSERT_LT(csvRow, table.rows.size()) << line;
            const std::vector<std::string>& cells = table.rows[csvRow];
            EXPECT_EQ(Words(line.substr(0, starts.front())),
                      Words(cells[1] + " " + cells[2] + " " + cells[3]))
                << line;
            std::vector<std::string> expected;
            for (std::string_view name : kTableFigures.at(cells[0])) {
                auto column = std::find(table.header.begin(), table.header.end(), name);
                ASSERT_NE(column, table.header.end()) << name;
                expected.push_back(cells[column - table.header.begin()]);
            }
            expected.push_back(cells[4]);  // games played, last in the text
            std::size_t next = 0;
            for (std::size_t column = 0; column < starts.size(); ++column) {
                std::size_t start = starts[column];
                ASSERT_LT(start, line.size()) << line;
                EXPECT_EQ(line[start - 1], ' ') << labels[column] << " in " << line;
                EXPECT_NE(line[start], ' ') << labels[column] << " in " << line;
                std::size_t end = column + 1 < starts.size() ? starts[column + 1] : line.size();
                std::size_t count =
                    composite.contains(labels[column]) ? composite.at(labels[column]) : 1;
                ASSERT_LE(next + count, expected.size()) << line;
                EXPECT_EQ(Figures(line.substr(start, end - start)),
                          std::vector<std::string>(expected.begin() + next,
                                                   expected.begin() + next + count))
                    << labels[column] << " in " << line;
                next += count;
            }
            EXPECT_EQ(next, expected.size()) << line;
        }
        if (at < lines.size()) ++at;  // the blank line between sections
    }
    EXPECT_EQ(csvRow, table.rows.size());
    for (std::size_t s = 1; s < firstStarts.size(); ++s) {
        EXPECT_EQ(firstStarts[s], firstStarts[0]);
        EXPECT_EQ(gamesStarts[s], gamesStarts[0]);
    }
}

TEST_F(ReportTest, ASeasonsColumnsAreAsWideAsItsFigures) {
    PlayerRec& qb = Add("QB #12 Maximilian Vanderbilt-Wh");  // 24 characters
    qb.passAttempts = 1490;
    qb.completions = 1045;
    qb.passYards = 14742;
    qb.passTouchdowns = 105;
    qb.interceptionsThrown = 88;
    qb.fumbles = 1;
    qb.rushAttempts = 366;
    qb.rushYards = -1277;
    PlayerRec& back = Add("HB #22 Jody Halfallin");
    back.rushAttempts = 2028;
    back.rushYards = 16705;
    back.rushTouchdowns = 152;
    back.fumbles = 44;
    back.receptions = 3;
    back.receivingYards = -7;
    back.kickReturns = 606;
    back.kickReturnYards = 20415;
    back.kickReturnTouchdowns = 60;
    PlayerRec& end = Add("TE #188 Ben Cas\xF8rgre");
    end.receptions = 1;
    end.receivingYards = 99;
    PlayerRec& kicker = Add("K #5 Dex Kovprawit");
    kicker.kickoffs = 865;
    kicker.kickoffTouchbacks = 230;
    kicker.extraPointsMade = 390;
    kicker.extraPointAttempts = 445;
    kicker.extraPointsBlocked = 12;
    kicker.fieldGoalsMade = 244;
    kicker.fieldGoalAttempts = 1319;
    kicker.longestFieldGoal = 55;
    kicker.fieldGoalsBlocked = 3;
    PlayerRec& punter = Add("P #4 Gil Falhalor");
    punter.punts = 614;
    punter.puntGrossYards = 26563;
    punter.puntNetYards = -23663;
    punter.puntTouchbacks = 41;
    punter.puntsBlocked = 2;
    PlayerRec& returner = Add("WR #84 Dex Falkovvar");
    returner.puntReturns = 1342;
    returner.puntReturnYards = -1549;
    Add("WR #81 Sid Vartemmar", "Rams").puntReturns = 99999;  // another club's
    GamesPlayed games = [this](const PlayerRec& p) {
        return static_cast<std::int32_t>(roster.IndexOf(&p) * 50 + 9);  // 9 to 309
    };

    ReportLines offense, special;
    BuildOffenseReport(roster, "Otters", offense, &games);
    BuildSpecialTeamsReport(roster, "Otters", special, &games);
    ExpectSeasonTable(offense, OffenseReportTable(roster, "Otters", &games));
    ExpectSeasonTable(special, SpecialTeamsReportTable(roster, "Otters", &games));
    EXPECT_EQ(offense[0],
              "[B] Passing Stats                     Com  Att  Yds   Pct  TDs Ints Fmbls G");
    EXPECT_EQ(offense[1],
              "QB   12  Maximilian Vanderbilt-Wh     1045 1490 14742 70.1 105 88   1     9");
    EXPECT_EQ(special[1],
              "K    5   Dex Kovprawit            865 230 390/445 12  244/1319 (55 lng) 3   159");

    // A club with nobody in a section still has its header, labels apart.
    ReportLines none;
    BuildSpecialTeamsReport(roster, "Rams", none, &games);
    EXPECT_EQ(none[0], "[B]Kicking Stats:                 KO Tbs PATs blk FGs Blk       G");
    ExpectSeasonTable(none, SpecialTeamsReportTable(roster, "Rams", &games));
}

// The same over the summed games of real logs, every club.
TEST(SeasonReports, EveryClubsReportsAreTables) {
    const std::filesystem::path data = GRIDTALLY_TEST_DATA_DIR;
    Season season;
    season.Read({(data / "../../examples").string(), data.string()});
    ASSERT_FALSE(season.Clubs().empty());
    for (const std::string& club : season.Clubs()) {
        std::unique_ptr<SeasonClub> figures = season.Club(club);
        std::vector<PrintoutPage> pages = figures->Pages();
        std::vector<ExportPage> tables = figures->Export();
        for (std::size_t page : {0u, 2u}) {
            SCOPED_TRACE(club + " " + pages[page].title);
            ExpectSeasonTable(pages[page].report, tables[page].table);
        }
    }
}

TEST(ReportLines, BoldLinesKeepTheirColumnsWhenShown) {
    EXPECT_TRUE(IsBoldLine("[B]x"));
    EXPECT_FALSE(IsBoldLine("[b]x"));
    EXPECT_FALSE(IsBoldLine(" [B]x"));
    EXPECT_EQ(ShownLine("[B]  Rushing Stats"), "     Rushing Stats");
    EXPECT_EQ(ShownLine("plain [B]"), "plain [B]");
}

// Each label of a header line, a game's or a season's, tells what it counts where it
// stands; other lines tell nothing.
TEST_F(ReportTest, HeaderLabelsTellTheirMeaning) {
    PlayerRec& kicker = Add("K #5 Dex Kovprawit");
    kicker.kickoffs = 865;
    kicker.fieldGoalAttempts = 1319;
    Add("QB #7 Pat Varprasan").passAttempts = 3;
    GamesPlayed games = [](const PlayerRec&) { return 12; };
    ReportLines seasonOffense, seasonSpecial;
    BuildOffenseReport(roster, "Otters", seasonOffense, &games);
    BuildSpecialTeamsReport(roster, "Otters", seasonSpecial, &games);
    struct Case {
        std::string line;
        std::vector<std::string> tips;
    };
    const std::vector<std::string> kicking{"KO: kick-offs",
                                           "Tbs: touchbacks",
                                           "PATs: extra points made/tried",
                                           "blk: extra points blocked",
                                           "FGs: field goals made/tried, lng: longest",
                                           "Blk: field goals blocked"};
    std::vector<std::string> seasonKicking = kicking;
    seasonKicking.push_back("G: games played");
    for (const Case& c : std::vector<Case>{
             {Special()[0], kicking},
             {seasonSpecial[0], seasonKicking},
             {Special()[3],
              {"Punts: punts", "Gr: gross yards", "Avg: gross yards per punt", "Net: net yards",
               "Avg: net yards per punt", "Tbs: touchbacks", "Blk: punts blocked"}},
             {Offense()[0],
              {"Com: completions", "Att: attempts", "Yds: yards passing",
               "Pct: completion percentage", "TDs: touchdown passes", "Ints: interceptions thrown",
               "Fmbls: fumbles"}},
             {seasonOffense[3],
              {"Car: carries", "Yds: yards rushing", "Avg: yards per carry",
               "TDs: rushing touchdowns", "Fumbles: fumbles", "G: games played"}},
             {Offense()[1], {}},  // a player's row
             {"", {}},
         }) {
        SCOPED_TRACE(c.line);
        std::vector<std::string> tips;
        for (const HeaderTip& tip : ReportHeaderTips(c.line)) {
            std::string word = c.line.substr(tip.begin, tip.end - tip.begin);
            EXPECT_EQ(tip.tip.substr(0, word.size() + 2), word + ": ");
            tips.push_back(tip.tip);
        }
        EXPECT_EQ(tips, c.tips);
    }
    // Every section of both reports has its tips.
    for (const ReportLines* lines : {&seasonOffense, &seasonSpecial}) {
        for (const std::string& line : *lines) {
            if (IsBoldLine(line)) {
                EXPECT_FALSE(ReportHeaderTips(line).empty()) << line;
            }
        }
    }
}

}  // namespace
}  // namespace gridtally
