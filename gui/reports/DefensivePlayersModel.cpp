#include "gui/reports/DefensivePlayersModel.h"

#include "core/lists/StableSort.h"
#include "core/playcalls/PlayModel.h"
#include "core/reports/DefensivePlayerList.h"
#include "core/reports/PlayerReports.h"
#include "core/reports/PlayerSelection.h"

namespace gridtally::gui {

DefensivePlayersModel::DefensivePlayersModel(const PlayModel& game, std::string club,
                                             QObject* parent)
    : PageModel(parent), game_(game), club_(std::move(club)) {}

std::string DefensivePlayersModel::Title() const { return DPlayerTitle(club_); }

std::span<const ListColumn> DefensivePlayersModel::Columns() const {
    return game_.GamesPlayed() ? DPlayerColumnsWithGames() : DPlayerColumns();
}

CsvTable DefensivePlayersModel::Table() const {
    CsvTable table = DPlayerTable(rows_);
    if (game_.GamesPlayed()) {
        table.header.emplace_back("G");
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            table.rows[i].push_back(std::to_string((*game_.GamesPlayed())(*rows_[i])));
        }
    }
    return table;
}

void DefensivePlayersModel::CollectRows() {
    rows_ = CollectPlayers(PlayersOf(game_), PlayerGroup::Defense, game_.ClubName(club_));
}

std::vector<std::string> DefensivePlayersModel::CellsOfRow(std::size_t row) const {
    std::vector<std::string> cells = DPlayerCells(*rows_[row]);
    if (game_.GamesPlayed()) cells.push_back(std::to_string((*game_.GamesPlayed())(*rows_[row])));
    return cells;
}

bool DefensivePlayersModel::SortRows(int column) {
    if (column < 0 || column >= columnCount()) return false;
    if (column == ColumnIndex(DPlayerColumn::Count)) {  // games played, the most first
        StableSort(std::span<const PlayerRec*>(rows_),
                   [this](const PlayerRec* a, const PlayerRec* b) {
                       std::int32_t x = (*game_.GamesPlayed())(*a), y = (*game_.GamesPlayed())(*b);
                       return x == y ? 0 : x > y ? -1 : 1;
                   });
        return true;
    }
    StableSort(std::span<const PlayerRec*>(rows_),
               [column](const PlayerRec* a, const PlayerRec* b) {
                   return CompareDPlayers(column, *a, *b);
               });
    return true;
}

}  // namespace gridtally::gui
