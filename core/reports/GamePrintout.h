#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/lists/ListColumn.h"
#include "core/reports/ReportLines.h"

namespace gridtally {

class GameLog;
class PlayModel;

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

// The running, passing and defensive plays and the tendencies of a club, from either
// document: the pages a Play DB prints.
std::vector<PrintoutPage> BuildPlayCallPages(PlayModel& model, std::string_view label);

// The fourteen pages of a game: the first club's seven, then the second's.
std::vector<PrintoutPage> BuildGamePrintout(GameLog& game);

}  // namespace gridtally
