#include "gui/lists/PageModel.h"

#include "core/text/Latin1.h"

namespace gridtally::gui {

int PageModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(CellsOnDemand() ? RowCount() : cells_.size());
}

int PageModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(Columns().size());
}

QVariant PageModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    auto at = static_cast<std::size_t>(index.row());
    if (CellsOnDemand() && at != lastRow_) {
        lastCells_ = CellsOfRow(at);
        lastRow_ = at;
    }
    const auto& row = CellsOnDemand() ? lastCells_ : cells_[at];
    auto column = static_cast<std::size_t>(index.column());
    return column < row.size() ? QString::fromStdString(CellToUtf8(row[column])) : QString();
}

QVariant PageModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(Columns().size())) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        std::string_view header = Columns()[static_cast<std::size_t>(section)].header;
        return QString::fromLatin1(header.data(), static_cast<qsizetype>(header.size()));
    }
    if (role == Qt::ToolTipRole) {
        std::string tip = ColumnTip(Columns()[static_cast<std::size_t>(section)]);
        return tip.empty() ? QVariant() : QVariant(QString::fromLatin1(tip.c_str()));
    }
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

void PageModel::sort(int column, Qt::SortOrder /*order*/) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    bool sorted = SortRows(column);
    if (sorted) ComputeCells();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::optional<Qt::SortOrder> PageModel::SortDirection(int column) const {
    if (column < 0 || column >= columnCount()) return std::nullopt;
    return IsTextColumn(column) ? Qt::AscendingOrder : Qt::DescendingOrder;
}

void PageModel::Refill() {
    beginResetModel();
    CollectRows();
    ComputeCells();
    endResetModel();
}

PrintoutPage PageModel::Page() const {
    if (!CellsOnDemand()) return ListPrintoutPage(Title(), Columns(), cells_);
    std::vector<std::vector<std::string>> cells;
    for (std::size_t row = 0; row < RowCount(); ++row) cells.push_back(CellsOfRow(row));
    return ListPrintoutPage(Title(), Columns(), cells);
}

std::vector<std::string> PageModel::RowCells(std::size_t row) const {
    return CellsOnDemand() ? CellsOfRow(row) : cells_[row];
}

std::string PageModel::RowKey(std::size_t row) const {
    return CellsOnDemand() ? CellsOfRow(row).front() : cells_[row].front();
}

void PageModel::ComputeCells() {
    lastRow_ = static_cast<std::size_t>(-1);
    cells_.clear();
    if (CellsOnDemand()) return;
    cells_.reserve(RowCount());
    for (std::size_t row = 0; row < RowCount(); ++row) cells_.push_back(CellsOfRow(row));
}

}  // namespace gridtally::gui
