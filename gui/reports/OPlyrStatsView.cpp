#include "gui/reports/OPlyrStatsView.h"

#include "core/game/GameLog.h"
#include "core/reports/PlayerReports.h"

namespace gridtally::gui {

void OPlyrStatsView::BuildReport(const GameLog& game, std::string_view team,
                                 ReportLines& lines) const {
    BuildOffenseReport(game.roster, team, lines, game.gamesPlayed ? &game.gamesPlayed : nullptr);
}

std::string OPlyrStatsView::Title(std::string_view team) const { return OffenseReportTitle(team); }

CsvTable OPlyrStatsView::BuildTable(const GameLog& game, std::string_view team) const {
    return OffenseReportTable(game.roster, team, game.gamesPlayed ? &game.gamesPlayed : nullptr);
}

}  // namespace gridtally::gui
