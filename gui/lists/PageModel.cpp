#include "gui/lists/PageModel.h"

#include <map>

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
    // The current and selected rows stay with their rows: each is found again by what
    // it holds (rows that hold the same are the same to the eye).
    const QModelIndexList before = persistentIndexList();
    std::map<int, std::string> held;  // per row held, what it holds
    for (const QModelIndex& index : before)
        held.emplace(index.row(), Identity(static_cast<std::size_t>(index.row())));
    bool sorted = SortRows(column);
    if (sorted) {
        ComputeCells();
        std::vector<bool> taken(static_cast<std::size_t>(rowCount()), false);
        std::map<int, int> rowNow;
        for (const auto& [row, identity] : held) {
            for (int now = 0; now < rowCount(); ++now) {
                auto at = static_cast<std::size_t>(now);
                if (taken[at] || Identity(at) != identity) continue;
                taken[at] = true;
                rowNow[row] = now;
                break;
            }
        }
        QModelIndexList after;
        for (const QModelIndex& was : before) {
            auto found = rowNow.find(was.row());
            after << (found == rowNow.end() ? QModelIndex() : index(found->second, was.column()));
        }
        changePersistentIndexList(before, after);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::string PageModel::Identity(std::size_t row) const {
    if (CellsOnDemand()) return RowKey(row);
    std::string joined;
    for (const std::string& cell : cells_[row]) (joined += cell) += '\t';
    return joined;
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
