#include "gui/lists/ListPage.h"

#include <QFontMetrics>
#include <QHeaderView>

#include "gui/framework/ListCtrl.h"

namespace gridtally::gui {

void InsertListColumns(ListCtrl& list, std::span<const ListColumn> columns) {
    QFontMetrics metrics(list.header()->font());
    constexpr int kHeaderPadding = 16;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ListColumn& column = columns[i];
        QString header =
            QString::fromLatin1(column.header.data(), static_cast<qsizetype>(column.header.size()));
        int width = std::max(column.width, metrics.horizontalAdvance(header) + kHeaderPadding);
        list.InsertColumn(static_cast<int>(i), header, width, column.align);
    }
}

int AppendRow(ListCtrl& list, const std::vector<std::string>& cells, std::size_t record) {
    if (cells.empty()) return -1;
    int row = list.InsertItem(list.GetItemCount(), QString::fromLatin1(cells[0]));
    if (record != ListCtrl::kNoRecord) list.SetItemData(row, record);
    for (std::size_t column = 1; column < cells.size(); ++column) {
        list.SetItemText(row, static_cast<int>(column), QString::fromLatin1(cells[column]));
    }
    return row;
}

}  // namespace gridtally::gui
