#pragma once

#include <QTreeWidget>
#include <cstddef>
#include <functional>

#include "core/lists/ListColumn.h"

namespace gridtally::gui {

// A report-style list: columns with headers, rows of cell texts, each row carrying the
// index of its record in the caller's own row store. Sorting is the caller's: a click
// on a header only reports the column, and SortItems orders the rows with the caller's
// comparison, the same way on every call (no toggling, no sort indicator).
class ListCtrl : public QTreeWidget {
    Q_OBJECT

public:
    explicit ListCtrl(QWidget* parent = nullptr);

    int InsertColumn(int column, const QString& header, int width,
                     ColumnAlign align = ColumnAlign::Left);

    // Inserts a row at `row` (clamped to the rows there are) and returns its index.
    int InsertItem(int row, const QString& label);
    bool DeleteItem(int row);
    void DeleteAllItems() { clear(); }
    int GetItemCount() const { return topLevelItemCount(); }

    bool SetItemText(int row, int column, const QString& text);
    QString GetItemText(int row, int column) const;

    // The row's record index; a row that was given none answers kNoRecord.
    static constexpr std::size_t kNoRecord = static_cast<std::size_t>(-1);
    void SetItemData(int row, std::size_t record);
    std::size_t GetItemData(int row) const;

    // Orders the rows by `compare` (negative: first before second) of their record
    // indexes. Rows that compare equal keep their order.
    using Compare = std::function<int(std::size_t first, std::size_t second)>;
    void SortItems(const Compare& compare);

    // The row whose first cell (its icon, label or state icon) holds `point`, or -1.
    int HitTest(const QPoint& point) const;

signals:
    void columnClicked(int column);
    void rowDoubleClicked(const QPoint& point);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace gridtally::gui
