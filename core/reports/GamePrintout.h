#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/lists/ListColumn.h"
#include "core/reports/PlayerReports.h"
#include "core/reports/ReportLines.h"
#include "core/text/Csv.h"

namespace gridtally {

class GameLog;
class PlayModel;
class PlayerRoster;

// One page of a game's printout: a report, or a list with its column headers, the x of
// each column on paper (twips; where it starts at the earliest) and rows.
struct PrintoutPage {
    std::string title;
    bool isReport = false;
    ReportLines report;
    std::vector<std::string> headers;
    std::vector<int> printX;
    std::vector<std::vector<std::string>> rows;
};

// A list page of `columns`, with its rows in the order given.
PrintoutPage ListPrintoutPage(std::string title, std::span<const ListColumn> columns,
                              std::vector<std::vector<std::string>> rows);

// The seven pages of one club in printout order: offensive players, defensive players,
// special teams, running, passing and defensive plays, tendencies. Lists show their
// rows in their first order: defensive players as the log met them, play calls by name.
std::vector<PrintoutPage> BuildTeamPrintout(GameLog& game, std::string_view label);

// The same seven pages of the club named `team` in `roster` and `model`, titled with
// `label`; with `games`, the player pages have a column of games played.
std::vector<PrintoutPage> BuildClubPages(const PlayerRoster& roster, PlayModel& model,
                                         std::string_view team, std::string_view label,
                                         const GamesPlayed* games = nullptr);

// The running, passing and defensive plays and the tendencies of a club, from either
// document: the pages a Play DB prints.
std::vector<PrintoutPage> BuildPlayCallPages(PlayModel& model, std::string_view label);

// One page as a table for spreadsheets and programs: its printed title, the label of
// the tab that shows it, and its cells as the table export writes them (composite cells
// split into numbers, report sections in a first column "section").
struct ExportPage {
    std::string title;
    std::string label;
    CsvTable table;
};
// The tab labels of a club's seven pages, in printout order.
inline constexpr std::array<std::string_view, 7> kClubPageLabels{
    "O Players", "D Players", "Special", "Run Plays", "Pass Plays", "Def Plays", "Play Calling"};

// A club's seven pages (with `playCallsOnly`, the last four) as export tables.
std::vector<ExportPage> BuildClubExport(const PlayerRoster& roster, PlayModel& model,
                                        std::string_view team, std::string_view label,
                                        const GamesPlayed* games = nullptr,
                                        bool playCallsOnly = false);

// The fourteen pages of a game: the first club's seven, then the second's.
std::vector<PrintoutPage> BuildGamePrintout(GameLog& game);

}  // namespace gridtally
