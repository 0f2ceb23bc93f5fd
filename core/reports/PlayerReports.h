#pragma once

#include <string>
#include <string_view>

#include "core/reports/ReportLines.h"

namespace gridtally {

class PlayerRoster;

// The printed titles: "<team> - Offensive Player Stats", "<team> - Special Teams Stats".
std::string OffenseReportTitle(std::string_view team);
std::string SpecialTeamsReportTitle(std::string_view team);

// Appends the passing, rushing and receiving report of one club, players in the order
// the log first named them. A player belongs to the club whose name his record
// carries, compared exactly.
void BuildOffenseReport(const PlayerRoster& roster, std::string_view team, ReportLines& lines);

// Appends the kicking, punting and returner report of one club.
void BuildSpecialTeamsReport(const PlayerRoster& roster, std::string_view team, ReportLines& lines);

}  // namespace gridtally
