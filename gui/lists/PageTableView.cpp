#include "gui/lists/PageTableView.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <algorithm>
#include <set>

#include "core/text/Csv.h"
#include "gui/framework/PagePainter.h"
#include "gui/lists/CsvExport.h"
#include "gui/lists/PageModel.h"

namespace gridtally::gui {

PageTableView::PageTableView(std::unique_ptr<PageModel> model, QWidget* parent)
    : QTableView(parent), model_(std::move(model)) {
    setModel(model_.get());
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);  // nothing to edit: Tab leaves the list as it does a field
    setAlternatingRowColors(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setResizeContentsPrecision(-1);  // every row, not a sample
    connect(header, &QHeaderView::sectionClicked, this, &PageTableView::SortByColumn);
}

bool PageTableView::TakeCommand(int id, bool run) {
    switch (id) {
        case command::kEditCopy:
            return RowCount() > 0 && Take(run, [this] { Copy(); });
        case command::kEditExportCsv:
            return Take(run, [this] { ExportCsv(); });
        case command::kEditExportChart:
            return exportChart_ && Take(run, exportChart_);
        default:
            return false;
    }
}

PageTableView::~PageTableView() { setModel(nullptr); }

int PageTableView::RowCount() const { return model_->rowCount(); }

void PageTableView::OnUpdate(View* /*sender*/, UpdateHint hint, PrintHint* printHint) {
    if (HandlePrintUpdate(hint, printHint)) return;
    int sortedBy = sortedBy_;
    QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    // The row at the top, by its key and how many rows above have the same one: rows
    // that join above it must not move what the user was looking at.
    int top = indexAt(QPoint(0, 0)).row();
    std::string topKey = top >= 0 ? model_->RowKey(static_cast<std::size_t>(top)) : "";
    int topOccurrence = 0;
    for (int row = 0; row < top; ++row) {
        topOccurrence += model_->RowKey(static_cast<std::size_t>(row)) == topKey ? 1 : 0;
    }
    model_->Refill();
    horizontalHeader()->setSortIndicatorShown(false);
    sortedBy_ = -1;
    FitColumns();
    if (hint != UpdateHint::Follow) return;
    if (sortedBy >= 0) SortByColumn(sortedBy);
    updateGeometries();  // the scroll bars' ranges for the rows there are now
    horizontalScrollBar()->setValue(scrolled.x());
    verticalScrollBar()->setValue(scrolled.y());
    for (int row = 0, seen = 0; top > 0 && row < RowCount(); ++row) {
        if (model_->RowKey(static_cast<std::size_t>(row)) != topKey || seen++ != topOccurrence) {
            continue;
        }
        scrollTo(model_->index(row, 0), QAbstractItemView::PositionAtTop);
        break;
    }
}

void PageTableView::OnPrint(QPainter& painter, PrintInfo& info) {
    PrintPage(painter, info, model_->Page());
}

void PageTableView::FitColumns() {
    // As wide as the widest cell or header in the font in use, never narrower, and a
    // little room beside so that figures do not touch the grid.
    resizeColumnsToContents();
    int room = fontMetrics().averageCharWidth() * 2;
    for (int column = 0; column < model_->columnCount(); ++column) {
        setColumnWidth(column, columnWidth(column) + room);
    }
}

void PageTableView::SortByColumn(int column) {
    std::optional<Qt::SortOrder> direction = model_->SortDirection(column);
    model_->sort(column);
    sortedBy_ = direction ? column : -1;
    QHeaderView* header = horizontalHeader();
    header->setSortIndicatorShown(direction.has_value());
    if (direction) header->setSortIndicator(column, *direction);
}

QString PageTableView::CopiedText() const {
    std::set<int> rows;
    if (selectionModel()) {
        for (const QModelIndex& index : selectionModel()->selectedRows()) rows.insert(index.row());
    }
    if (rows.empty()) {
        for (int row = 0; row < RowCount(); ++row) rows.insert(row);
    }
    std::vector<std::vector<std::string>> lines;
    std::vector<std::string> header;
    for (const ListColumn& column : model_->Columns()) header.emplace_back(column.header);
    lines.push_back(std::move(header));
    for (int row : rows) lines.push_back(model_->RowCells(static_cast<std::size_t>(row)));
    return QString::fromStdString(FormatTabSeparated(lines));
}

void PageTableView::Copy() const { QApplication::clipboard()->setText(CopiedText()); }

bool PageTableView::ExportCsv() {
    return gui::ExportCsv(window(), QString::fromLatin1(model_->Title()) + QStringLiteral(".csv"),
                          model_->Table());
}

void PageTableView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("&Copy"), this, &PageTableView::Copy);
    copy->setEnabled(RowCount() > 0);
    menu.addAction(tr("&Export CSV..."), this, &PageTableView::ExportCsv);
    menu.exec(event->globalPos());
}

}  // namespace gridtally::gui
