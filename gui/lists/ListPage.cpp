#include "lists/ListPage.h"

#include <QFontMetrics>
#include <QHeaderView>

#include "framework/DeviceContext.h"
#include "framework/ListCtrl.h"
#include "framework/PrintFonts.h"

namespace gridtally::gui {
namespace {

int LineHeight(const DeviceContext& dc) {
    TextMetrics metrics = dc.GetTextMetrics();
    return metrics.height + metrics.externalLeading;
}

// The title and the header line; returns the y of the first row.
int PrintHeader(DeviceContext& dc, std::span<const ListColumn> columns, const std::string& title) {
    int entryHeight = LineHeight(dc);
    dc.SelectFont(PrintFonts::Title());
    dc.TextOut(0, -10, QString::fromLatin1(title));
    int y = -510 - entryHeight;
    dc.SelectFont(PrintFonts::Text(700));
    int headerHeight = LineHeight(dc);
    for (const ListColumn& column : columns) {
        dc.TextOut(column.printX, y,
                   QString::fromLatin1(column.header.data(),
                                       static_cast<qsizetype>(column.header.size())));
    }
    return y - headerHeight;
}

}  // namespace

void InsertListColumns(ListCtrl& list, std::span<const ListColumn> columns) {
    QFontMetrics metrics(list.header()->font());
    constexpr int kHeaderPadding = 16;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ListColumn& column = columns[i];
        QString header = QString::fromLatin1(column.header.data(),
                                             static_cast<qsizetype>(column.header.size()));
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

int PrintListPage(DeviceContext& dc, const ListCtrl& list, std::span<const ListColumn> columns,
                  const std::string& title) {
    dc.SaveDC();
    dc.SetMapMode(MapMode::Twips);
    FontRequest rowFont = PrintFonts::Text(400);
    dc.SelectFont(rowFont);
    int rowHeight = LineHeight(dc);
    int y = PrintHeader(dc, columns, title);
    dc.SelectFont(rowFont);
    char cell[256];
    for (int row = 0; row < list.GetItemCount(); ++row) {
        for (std::size_t column = 0; column < columns.size(); ++column) {
            if (list.GetItemText(row, static_cast<int>(column), cell, sizeof cell) >= 0) {
                dc.TextOut(columns[column].printX, y, QString::fromLatin1(cell));
            }
        }
        y -= rowHeight;
    }
    return y;
}

}  // namespace gridtally::gui
