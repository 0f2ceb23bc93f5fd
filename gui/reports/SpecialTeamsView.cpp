#include "reports/SpecialTeamsView.h"

#include "game/GameLog.h"
#include "reports/PlayerReports.h"

namespace gridtally::gui {

void SpecialTeamsView::BuildReport(const GameLog& game, std::string_view team,
                                   ReportLines& lines) const {
    BuildSpecialTeamsReport(game.roster, team, lines);
}

std::string SpecialTeamsView::Title(std::string_view team) const {
    return SpecialTeamsReportTitle(team);
}

}  // namespace gridtally::gui
