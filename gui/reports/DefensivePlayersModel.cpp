#include "gui/reports/DefensivePlayersModel.h"

#include "core/game/GameLog.h"
#include "core/lists/StableSort.h"
#include "core/reports/DefensivePlayerList.h"
#include "core/reports/PlayerSelection.h"

namespace gridtally::gui {

DefensivePlayersModel::DefensivePlayersModel(const GameLog& game, std::string club, QObject* parent)
    : PageModel(parent), game_(game), club_(std::move(club)) {}

std::string DefensivePlayersModel::Title() const { return DPlayerTitle(club_); }

std::span<const ListColumn> DefensivePlayersModel::Columns() const { return DPlayerColumns(); }

CsvTable DefensivePlayersModel::Table() const { return DPlayerTable(rows_); }

void DefensivePlayersModel::CollectRows() {
    rows_ = CollectPlayers(game_.roster, PlayerGroup::Defense, game_.ClubName(club_));
}

std::vector<std::string> DefensivePlayersModel::CellsOfRow(std::size_t row) const {
    return DPlayerCells(*rows_[row]);
}

bool DefensivePlayersModel::SortRows(int column) {
    if (column < 0 || column >= columnCount()) return false;
    StableSort(std::span<const PlayerRec*>(rows_),
               [column](const PlayerRec* a, const PlayerRec* b) {
                   return CompareDPlayers(column, *a, *b);
               });
    return true;
}

}  // namespace gridtally::gui
