#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/playcalls/PlayModel.h"
#include "core/reports/ReportLines.h"
#include "core/text/Csv.h"

namespace gridtally {

class PlayerRoster;
struct PlayerRec;

// Games a player played, for a season's reports: they add a column "G" (after the
// figures in the text, after Name in the tables), and the text becomes a table of each
// section whose columns are as wide as their widest figure or label.
using GamesPlayed = std::function<std::int32_t(const PlayerRec&)>;

// The players a model's player pages list: its own, or none.
const PlayerRoster& PlayersOf(const PlayModel& model);

// The printed titles: "<team> - Offensive Player Stats", "<team> - Special Teams Stats".
std::string OffenseReportTitle(std::string_view team);
std::string SpecialTeamsReportTitle(std::string_view team);

// Appends the passing, rushing and receiving report of one club, players in the order
// the log first named them. A player belongs to the club whose name his record
// carries, compared exactly.
void BuildOffenseReport(const PlayerRoster& roster, std::string_view team, ReportLines& report,
                        const GamesPlayed* games = nullptr);

// Appends the kicking, punting and returner report of one club.
void BuildSpecialTeamsReport(const PlayerRoster& roster, std::string_view team, ReportLines& report,
                             const GamesPlayed* games = nullptr);

// The same reports as one spreadsheet table each: a first column "section" ("Passing",
// "Rushing", "Receiving"; "Kicking", "Punting", "Returns"), then Pos, No, Name and the
// figures, one number a column; a column a section has not is empty in its rows.
CsvTable OffenseReportTable(const PlayerRoster& roster, std::string_view team,
                            const GamesPlayed* games = nullptr);
CsvTable SpecialTeamsReportTable(const PlayerRoster& roster, std::string_view team,
                                 const GamesPlayed* games = nullptr);

// What each label of a report's bold header line means, where it stands in the line:
// columns [begin, end) and "KO: kick-offs". A game's and a season's headers alike; no
// tips for any other line.
struct HeaderTip {
    std::size_t begin;
    std::size_t end;
    std::string tip;
};
std::vector<HeaderTip> ReportHeaderTips(std::string_view line);

}  // namespace gridtally
