#include "gui/reports/SpecialTeamsView.h"

#include "core/game/GameLog.h"
#include "core/reports/PlayerReports.h"

namespace gridtally::gui {

void SpecialTeamsView::BuildReport(const GameLog& game, std::string_view team,
                                   ReportLines& lines) const {
    BuildSpecialTeamsReport(game.roster, team, lines,
                            game.gamesPlayed ? &game.gamesPlayed : nullptr);
}

std::string SpecialTeamsView::Title(std::string_view team) const {
    return SpecialTeamsReportTitle(team);
}

CsvTable SpecialTeamsView::BuildTable(const GameLog& game, std::string_view team) const {
    return SpecialTeamsReportTable(game.roster, team,
                                   game.gamesPlayed ? &game.gamesPlayed : nullptr);
}

}  // namespace gridtally::gui
