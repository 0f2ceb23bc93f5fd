#include "core/reports/PlayerReports.h"

#include <string>

#include "core/model/PlayerRoster.h"
#include "core/text/Printf.h"

namespace gridtally {
namespace {

// Position, number and name; long fields push the rest of the row right.
std::string Prefix(const PlayerRec& p) {
    return Printf("%-4s %-3d %-20s     ", p.position.c_str(), p.number, p.name.c_str());
}

double Ratio(std::int32_t part, std::int32_t whole) {
    return static_cast<double>(part) / static_cast<double>(whole);
}

template <typename Row>
void AppendRows(const PlayerRoster& roster, std::string_view team, ReportLines& lines,
                bool (*listed)(const PlayerRec&), Row row) {
    for (const auto& player : roster) {
        if (player->team == team && listed(*player))
            lines.push_back(Prefix(*player) + row(*player));
    }
}

}  // namespace

std::string OffenseReportTitle(std::string_view team) {
    return std::string(team) + " - Offensive Player Stats";
}

std::string SpecialTeamsReportTitle(std::string_view team) {
    return std::string(team) + " - Special Teams Stats";
}

void BuildOffenseReport(const PlayerRoster& roster, std::string_view team, ReportLines& lines) {
    lines.emplace_back("[B] Passing Stats                Com Att Yds  Pct  TDs Ints Fmbls");
    AppendRows(
        roster, team, lines, [](const PlayerRec& p) { return p.passAttempts != 0; },
        [](const PlayerRec& p) {
            return Printf("%-3d %-3d %-4d %-5.1f %-2d  %-2d  %-2d", p.completions, p.passAttempts,
                          p.passYards, Ratio(p.completions, p.passAttempts) * 100.0,
                          p.passTouchdowns, p.interceptionsThrown, p.fumbles);
        });
    lines.emplace_back();
    lines.emplace_back("[B]  Rushing Stats               Car Yds Avg   TDs Fumbles");
    AppendRows(
        roster, team, lines, [](const PlayerRec& p) { return p.rushAttempts != 0; },
        [](const PlayerRec& p) {
            return Printf("%-3d %-3d %-5.1f %-2d %-2d", p.rushAttempts, p.rushYards,
                          Ratio(p.rushYards, p.rushAttempts), p.rushTouchdowns, p.fumbles);
        });
    lines.emplace_back();
    lines.emplace_back("[B]  Receiving Stats             Rec Yds Avg   TDs Fumbles");
    AppendRows(
        roster, team, lines, [](const PlayerRec& p) { return p.receptions != 0; },
        [](const PlayerRec& p) {
            return Printf("%-3d %-4d %-5.1f %-2d %-2d", p.receptions, p.receivingYards,
                          Ratio(p.receivingYards, p.receptions), p.receivingTouchdowns, p.fumbles);
        });
}

void BuildSpecialTeamsReport(const PlayerRoster& roster, std::string_view team,
                             ReportLines& lines) {
    lines.emplace_back("[B]Kicking Stats:                 KO Tbs PATs blk FGs         Blk");
    AppendRows(
        roster, team, lines, [](const PlayerRec& p) { return p.kickoffs != 0; },
        [](const PlayerRec& p) {
            return Printf("%-2d %-3d %d/%d %-3d %d/%d (%d lng) %-2d", p.kickoffs,
                          p.kickoffTouchbacks, p.extraPointsMade, p.extraPointAttempts,
                          p.extraPointsBlocked, p.fieldGoalsMade, p.fieldGoalAttempts,
                          p.longestFieldGoal, p.fieldGoalsBlocked);
        });
    lines.emplace_back();
    lines.emplace_back("[B]Punting Stats:              Punts Gr  Avg   Net Avg   Tbs Blk");
    AppendRows(
        roster, team, lines, [](const PlayerRec& p) { return p.punts != 0; },
        [](const PlayerRec& p) {
            return Printf("%-2d %-3d %-5.1f %-3d %-5.1f %-2d   %-3d", p.punts, p.puntGrossYards,
                          Ratio(p.puntGrossYards, p.punts), p.puntNetYards,
                          Ratio(p.puntNetYards, p.punts), p.puntTouchbacks, p.puntsBlocked);
        });
    lines.emplace_back();
    lines.emplace_back("[B]Returner Stats:              P-Rtns Yds TDs K-Rtns Yds TDs");
    AppendRows(
        roster, team, lines,
        [](const PlayerRec& p) {
            return static_cast<std::int64_t>(p.kickReturns) + p.puntReturns != 0;
        },
        [](const PlayerRec& p) {
            return Printf("%-3d  %-3d  %-3d %-3d    %-3d %-3d", p.puntReturns, p.puntReturnYards,
                          p.puntReturnTouchdowns, p.kickReturns, p.kickReturnYards,
                          p.kickReturnTouchdowns);
        });
}

}  // namespace gridtally
