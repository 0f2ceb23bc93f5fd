#pragma once

#include <QTableView>
#include <functional>
#include <memory>

#include "gui/framework/Commands.h"
#include "gui/framework/View.h"

namespace gridtally::gui {

class PageModel;

// A list page on screen: a table over its model, with columns never narrower than their
// widest cell or header, which the user may widen. A header click sorts the core's way
// and shows the direction used. Copy puts the selected rows (or, with none, the whole
// page) on the clipboard as tab-separated text under the header; Export CSV... writes
// the page as a spreadsheet table. A Print update prints the rows in the order shown;
// any other update refills them, a Follow update in the order shown and with the row
// that was at the top still there.
class PageTableView : public QTableView, public View, public CommandTarget {
    Q_OBJECT

public:
    // The view owns the model.
    explicit PageTableView(std::unique_ptr<PageModel> model, QWidget* parent = nullptr);
    ~PageTableView() override;

    PageModel& pageModel() const { return *model_; }
    int RowCount() const;

    void OnUpdate(View* sender, UpdateHint hint, PrintHint* printHint) override;
    void OnPrint(QPainter& painter, PrintInfo& info) override;
    // Copy, Export CSV... and, beside a chart, Export Chart...
    bool TakeCommand(int id, bool run) override;
    // What Export Chart... does for the chart beside this list.
    void SetChartExport(std::function<void()> exportChart) {
        exportChart_ = std::move(exportChart);
    }

    // The selected rows, or every row when none is selected, as the clipboard gets them.
    QString CopiedText() const;
    void Copy() const;
    // Asks for a file and writes the page's table into it; false when cancelled or it
    // could not be written (which a message has then said).
    bool ExportCsv();

    // Sorts by `column` as a click on its header does.
    void SortByColumn(int column);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Fits the columns to what they hold now.
    void FitColumns();

private:
    std::unique_ptr<PageModel> model_;
    std::function<void()> exportChart_;
    int sortedBy_ = -1;  // the column of the last sort, kept when more data follows
};

}  // namespace gridtally::gui
