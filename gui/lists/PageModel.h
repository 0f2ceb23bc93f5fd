#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/lists/ListColumn.h"
#include "core/reports/GamePrintout.h"
#include "core/text/Csv.h"

namespace gridtally::gui {

// One list page of a club as a table model: the rows the core computes, shown as the
// core's cell texts in the order the last sort left them. The same rows feed the screen,
// the clipboard, the CSV export and the printed page, so they can never disagree.
class PageModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Sorts as a header click does, always the core's way (names from A, numbers from the
    // largest): `order` is not read. Stable, with the core's comparison, which need not
    // be a strict weak ordering. Columns that do not sort leave the rows as they are.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // The direction a sort by `column` runs, for the header's indicator; nothing for a
    // column that does not sort.
    std::optional<Qt::SortOrder> SortDirection(int column) const;

    // Builds the rows afresh from the document (in their first order).
    void Refill();

    virtual std::string Title() const = 0;
    virtual std::span<const ListColumn> Columns() const = 0;
    // The shown rows' cells, in the order shown (none for a page making them on demand).
    const std::vector<std::vector<std::string>>& Cells() const { return cells_; }
    // One shown row's cells.
    std::vector<std::string> RowCells(std::size_t row) const;
    // What tells a row from others, for keeping the user's place: its first cell.
    virtual std::string RowKey(std::size_t row) const;
    // The page as printed, with its rows in the order shown.
    PrintoutPage Page() const;
    // The page as a spreadsheet table, rows in the order shown.
    virtual CsvTable Table() const = 0;

protected:
    // The subclass's rows: made anew, counted, shown, ordered.
    virtual void CollectRows() = 0;
    virtual std::size_t RowCount() const = 0;
    virtual std::vector<std::string> CellsOfRow(std::size_t row) const = 0;
    // False when the page does not sort by that column.
    virtual bool SortRows(int column) = 0;
    // Whether `column` holds names (sorted from A) rather than numbers.
    virtual bool IsTextColumn(int column) const { return column == 0; }
    // Makes the cells of the rows as they stand now; call it inside a model reset.
    void ComputeCells();
    // A page of very many rows makes a row's cells when it is shown, not all at once.
    virtual bool CellsOnDemand() const { return false; }
    // What a row holds, to find it again after a sort.
    std::string Identity(std::size_t row) const;

private:
    std::vector<std::vector<std::string>> cells_;
    // On demand, the row asked for last: a view asks for its cells one after another.
    mutable std::size_t lastRow_ = static_cast<std::size_t>(-1);
    mutable std::vector<std::string> lastCells_;
};

}  // namespace gridtally::gui
