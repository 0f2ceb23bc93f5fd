#include "gui/reports/OPlyrStatsView.h"

#include "core/playcalls/PlayModel.h"
#include "core/reports/PlayerReports.h"

namespace gridtally::gui {

void OPlyrStatsView::BuildReport(const PlayModel& game, std::string_view team,
                                 ReportLines& lines) const {
    BuildOffenseReport(PlayersOf(game), team, lines, game.GamesPlayed());
}

std::string OPlyrStatsView::Title(std::string_view team) const { return OffenseReportTitle(team); }

CsvTable OPlyrStatsView::BuildTable(const PlayModel& game, std::string_view team) const {
    return OffenseReportTable(PlayersOf(game), team, game.GamesPlayed());
}

}  // namespace gridtally::gui
