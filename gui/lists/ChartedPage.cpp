#include "gui/lists/ChartedPage.h"

#include <QApplication>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QContextMenuEvent>
#include <QEvent>
#include <QGraphicsLayout>
#include <QHeaderView>
#include <QMenu>
#include <QSaveFile>
#include <QScrollBar>
#include <QSvgGenerator>

#include "gui/framework/Commands.h"
#include "gui/framework/Dialogs.h"
#include "gui/lists/ListCharts.h"
#include "gui/lists/PageModel.h"
#include "gui/lists/PageTableView.h"

namespace gridtally::gui {
namespace {

// A picture is at least this large, whatever room the chart has on screen: its text
// keeps its size, so a squeezed chart would be squeezed on paper too.
constexpr QSize kSmallestPicture(1200, 800);
// The chart's share of the page at least, however wide the table's columns.
constexpr int kChartPercent = 40;

}  // namespace

ChartedPage::ChartedPage(PageTableView* table, Plot plot, QWidget* parent)
    : QSplitter(Qt::Horizontal, parent),
      table_(table),
      chartView_(new QChartView(new QChart)),
      plot_(std::move(plot)) {
    addWidget(table_);
    addWidget(chartView_);
    // The table keeps its width when the window grows or shrinks; the chart takes the rest.
    setStretchFactor(0, 0);
    setStretchFactor(1, 1);
    setChildrenCollapsible(true);
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumWidth(200);
    chartView_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(chartView_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(chartView_);
        menu.addAction(tr("Export C&hart..."), this, &ChartedPage::ExportChart);
        menu.exec(chartView_->mapToGlobal(at));
    });
    chart()->setAnimationOptions(QChart::NoAnimation);
    chart()->setBackgroundRoundness(0);
    connect(chart(), &QChart::plotAreaChanged, this, [this] {
        if (fitting_) return;  // new ticks may move the plot area once more
        fitting_ = true;
        FitValueTicks(*chart());
        fitting_ = false;
    });

    connect(this, &QSplitter::splitterMoved, this, [this] { handleMoved_ = true; });
    PageModel& model = table_->pageModel();
    connect(&model, &QAbstractItemModel::modelReset, this, &ChartedPage::Replot);
    connect(&model, &QAbstractItemModel::layoutChanged, this, &ChartedPage::Replot);
    table_->SetChartExport([this] { ExportChart(); });
    Replot();
}

QChart* ChartedPage::chart() const { return chartView_->chart(); }

bool ChartedPage::IsDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

void ChartedPage::changeEvent(QEvent* event) {
    QSplitter::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) Replot();
}

void ChartedPage::showEvent(QShowEvent* event) {
    QSplitter::showEvent(event);
    FitSizes();
}

void ChartedPage::resizeEvent(QResizeEvent* event) {
    QSplitter::resizeEvent(event);
    // A page is shown before its window has its final size: it keeps fitting until the
    // user moves the handle.
    if (isVisible()) FitSizes();
}

void ChartedPage::FitSizes() {
    if (handleMoved_) return;
    // The table as wide as its columns, the chart the rest but never less than its share.
    int columns = table_->horizontalHeader()->length() + 2 * table_->frameWidth() +
                  table_->verticalScrollBar()->sizeHint().width();
    int room = width() - handleWidth();
    int tableWidth = std::min(columns, room - room * kChartPercent / 100);
    setSizes({tableWidth, room - tableWidth});
}

void ChartedPage::Replot() {
    QChart& drawn = *chart();
    drawn.setToolTip({});  // the bar it told of goes with its series
    drawn.removeAllSeries();
    for (QAbstractAxis* axis : drawn.axes()) {
        drawn.removeAxis(axis);
        delete axis;
    }
    // The theme first: it sets the colours of what is added after it.
    drawn.setTheme(IsDark(palette()) ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    drawn.setBackgroundBrush(palette().color(QPalette::Base));
    drawn.setTitleBrush(palette().color(QPalette::Text));
    drawn.legend()->setLabelColor(palette().color(QPalette::Text));
    plot_(drawn);
    for (QAbstractAxis* axis : drawn.axes()) {
        axis->setLabelsColor(palette().color(QPalette::Text));
        axis->setTitleBrush(palette().color(QPalette::Text));
    }
    FitValueTicks(drawn);
}

bool ChartedPage::ExportChart() {
    QString suggested = QString::fromLatin1(table_->pageModel().Title()) + QStringLiteral(".png");
    QString path = CurrentDialogRunner().GetSaveFileName(
        window(), tr("Export Chart"), suggested,
        QStringLiteral("PNG Pictures (*.png);;SVG Pictures (*.svg)"), QStringLiteral("png"));
    if (path.isEmpty()) return false;
    QString error;
    if (WriteChart(path, &error)) return true;
    ShowFailure(window(), tr("Cannot export the chart.\n\n%1").arg(error));
    return false;
}

bool ChartedPage::WriteChart(const QString& path, QString* error) {
    // The chart is laid out afresh at the picture's size, then given back its room on
    // screen; no event runs in between, so the screen never shows the picture's layout.
    QSize shown = chart()->size().toSize();
    QRectF shownScene = chartView_->scene()->sceneRect();
    QSize size = kSmallestPicture;
    if (chartView_->isVisible()) size = size.expandedTo(chartView_->size());
    LayOut(size);
    QRectF target(QPointF(0, 0), size);
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written && path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(chart()->title());
        QPainter painter(&svg);
        chartView_->scene()->render(&painter, target, chart()->geometry());
    } else if (written) {
        QImage picture(size * chartView_->devicePixelRatio(), QImage::Format_ARGB32);
        picture.setDevicePixelRatio(chartView_->devicePixelRatio());
        picture.fill(palette().color(QPalette::Base));
        {
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing);
            chartView_->scene()->render(&painter, target, chart()->geometry());
        }
        written = picture.save(&file, "PNG");
    }
    written = written && file.commit();
    if (!written && error) *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    if (chartView_->isVisible()) {
        LayOut(shown);
        chartView_->scene()->setSceneRect(shownScene);
    }
    return written;
}

void ChartedPage::LayOut(QSize size) {
    chart()->resize(size);
    chartView_->scene()->setSceneRect(QRectF(QPointF(0, 0), size));
    if (chart()->layout()) chart()->layout()->activate();
    FitValueTicks(*chart());
    if (chart()->layout()) chart()->layout()->activate();
}

}  // namespace gridtally::gui
