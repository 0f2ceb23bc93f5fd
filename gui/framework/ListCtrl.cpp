#include "gui/framework/ListCtrl.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <algorithm>
#include <cstring>
#include <span>

#include "core/lists/StableSort.h"

namespace gridtally::gui {
namespace {
constexpr int kDataRole = Qt::UserRole + 1;
}

ListCtrl::ListCtrl(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setColumnCount(0);
    setHeaderLabels({});
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    header()->setStretchLastSection(false);
    connect(header(), &QHeaderView::sectionClicked, this, &ListCtrl::columnClicked);
}

int ListCtrl::InsertColumn(int column, const QString& header, int width, ColumnAlign align) {
    QStringList labels;
    for (int i = 0; i < columnCount(); ++i) labels << headerItem()->text(i);
    column = std::clamp(column, 0, static_cast<int>(labels.size()));
    labels.insert(column, header);
    setColumnCount(static_cast<int>(labels.size()));
    setHeaderLabels(labels);
    setColumnWidth(column, width);
    Qt::Alignment alignment = align == ColumnAlign::Right    ? Qt::AlignRight
                              : align == ColumnAlign::Center ? Qt::AlignHCenter
                                                             : Qt::AlignLeft;
    headerItem()->setTextAlignment(column, alignment | Qt::AlignVCenter);
    return column;
}

int ListCtrl::InsertItem(int row, const QString& label) {
    row = std::clamp(row, 0, topLevelItemCount());
    auto* item = new QTreeWidgetItem;
    item->setText(0, label);
    insertTopLevelItem(row, item);
    return row;
}

bool ListCtrl::DeleteItem(int row) {
    QTreeWidgetItem* item = takeTopLevelItem(row);
    delete item;
    return item != nullptr;
}

bool ListCtrl::SetItemText(int row, int column, const QString& text) {
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item || column < 0 || column >= columnCount()) return false;
    item->setText(column, text);
    return true;
}

QString ListCtrl::GetItemText(int row, int column) const {
    QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->text(column) : QString();
}

namespace {

std::size_t RecordOf(const QTreeWidgetItem* item) {
    QVariant data = item->data(0, kDataRole);
    return data.isValid() ? static_cast<std::size_t>(data.value<qulonglong>())
                          : ListCtrl::kNoRecord;
}

}  // namespace

void ListCtrl::SetItemData(int row, std::size_t record) {
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        item->setData(0, kDataRole, QVariant::fromValue(static_cast<qulonglong>(record)));
    }
}

std::size_t ListCtrl::GetItemData(int row) const {
    QTreeWidgetItem* item = topLevelItem(row);
    return item ? RecordOf(item) : kNoRecord;
}

void ListCtrl::SortItems(const Compare& compare) {
    std::vector<QTreeWidgetItem*> items;
    while (topLevelItemCount() > 0) items.push_back(takeTopLevelItem(0));
    StableSort(std::span(items), [&compare](QTreeWidgetItem* a, QTreeWidgetItem* b) {
        return compare(RecordOf(a), RecordOf(b));
    });
    for (QTreeWidgetItem* item : items) addTopLevelItem(item);
}

int ListCtrl::HitTest(const QPoint& point) const {
    QModelIndex index = indexAt(point);
    if (!index.isValid() || index.column() != 0) return -1;
    return index.row();
}

void ListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    emit rowDoubleClicked(event->position().toPoint());
    QTreeWidget::mouseDoubleClickEvent(event);
}

}  // namespace gridtally::gui
