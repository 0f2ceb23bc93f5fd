#pragma once

#include <QSplitter>
#include <functional>

class QChart;
class QChartView;

namespace gridtally::gui {

class PageTableView;

// A list page with a chart beside its table, in a splitter the user may move: the table
// opens as wide as its columns, the chart takes the rest and at least 40 % of the page.
// The chart is drawn from the table as it is shown and follows it through every refill
// and sort; its colours follow the palette, light or dark. Export Chart... (the Edit
// menu's command while the table is the active view, or the chart's own context menu)
// writes it as a PNG or SVG picture. The chart is not printed.
class ChartedPage : public QSplitter {
    Q_OBJECT

public:
    // Draws the chart into an empty chart: series, axes and title.
    using Plot = std::function<void(QChart& chart)>;
    // Takes `table` into the page.
    ChartedPage(PageTableView* table, Plot plot, QWidget* parent = nullptr);

    PageTableView* table() const { return table_; }
    QChart* chart() const;
    QChartView* chartView() const { return chartView_; }

    // Asks for a file and writes the chart in it; false when cancelled or it could not
    // be written (which a message has then said).
    bool ExportChart();
    // Writes the chart into `path`, whole or not at all: SVG when the name ends in ".svg",
    // PNG otherwise; at least 1200 by 800 pixels, or as large as on screen when larger.
    bool WriteChart(const QString& path, QString* error);

    // Whether a palette is dark: its window colour is.
    static bool IsDark(const QPalette& palette);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Replot();
    // Sizes the table and the chart as a page opens, until the user moves the handle.
    void FitSizes();
    // Gives the chart `size` and lays it out at once.
    void LayOut(QSize size);

    PageTableView* table_;
    QChartView* chartView_;
    Plot plot_;
    bool handleMoved_ = false;
    bool fitting_ = false;
};

}  // namespace gridtally::gui
