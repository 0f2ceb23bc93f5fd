#include "gui/reports/SpecialTeamsView.h"

#include "core/playcalls/PlayModel.h"
#include "core/reports/PlayerReports.h"

namespace gridtally::gui {

void SpecialTeamsView::BuildReport(const PlayModel& game, std::string_view team,
                                   ReportLines& lines) const {
    BuildSpecialTeamsReport(PlayersOf(game), team, lines, game.GamesPlayed());
}

std::string SpecialTeamsView::Title(std::string_view team) const {
    return SpecialTeamsReportTitle(team);
}

CsvTable SpecialTeamsView::BuildTable(const PlayModel& game, std::string_view team) const {
    return SpecialTeamsReportTable(PlayersOf(game), team, game.GamesPlayed());
}

}  // namespace gridtally::gui
