#include "gui/lists/PlayCallModel.h"

#include "core/playcalls/PlayModel.h"

namespace gridtally::gui {

PlayCallModel::PlayCallModel(PlayModel& model, PlayListKind list, Club club, QObject* parent)
    : PageModel(parent), model_(model), list_(list), club_(std::move(club)) {}

std::string PlayCallModel::Title() const { return PlayListTitle(list_, club_()); }

std::span<const ListColumn> PlayCallModel::Columns() const { return PlayListColumns(list_); }

CsvTable PlayCallModel::Table() const { return PlayListTable(list_, order_); }

PlayRec* PlayCallModel::Record(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= order_.size()) return nullptr;
    return const_cast<PlayRec*>(order_[static_cast<std::size_t>(row)]);
}

void PlayCallModel::RemoveRow(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= order_.size()) return;
    // Only the shown order loses the row; its record goes with the next refill.
    beginResetModel();
    order_.erase(order_.begin() + row);
    ComputeCells();
    endResetModel();
}

void PlayCallModel::CollectRows() {
    records_.clear();
    model_.CollectPlayCalls(PlayListPlayKind(list_), club_(), records_);
    order_.clear();
    for (const auto& record : records_) order_.push_back(record.get());
}

std::vector<std::string> PlayCallModel::CellsOfRow(std::size_t row) const {
    return PlayListCells(list_, *order_[row]);
}

bool PlayCallModel::SortRows(int column) {
    if (column < 0 || column >= columnCount()) return false;
    SortPlayListRows(list_, column, order_);
    return true;
}

}  // namespace gridtally::gui
