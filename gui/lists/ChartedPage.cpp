#include "gui/lists/ChartedPage.h"

#include <QApplication>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QContextMenuEvent>
#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <QSaveFile>
#include <QScrollBar>
#include <QSvgGenerator>

#include "gui/framework/CommandRouting.h"
#include "gui/framework/Dialogs.h"
#include "gui/lists/PageModel.h"
#include "gui/lists/PageTableView.h"

namespace gridtally::gui {
namespace {

// A picture of a chart that was never shown still gets a readable size.
constexpr QSize kUnshownSize(900, 600);

}  // namespace

ChartedPage::ChartedPage(PageTableView* table, Plot plot, QWidget* parent)
    : QSplitter(Qt::Horizontal, parent),
      table_(table),
      chartView_(new QChartView(new QChart)),
      plot_(std::move(plot)) {
    addWidget(table_);
    addWidget(chartView_);
    setStretchFactor(0, 1);
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

    PageModel& model = table_->pageModel();
    connect(&model, &QAbstractItemModel::modelReset, this, &ChartedPage::Replot);
    connect(&model, &QAbstractItemModel::layoutChanged, this, &ChartedPage::Replot);
    table_->OnCommand(command::kEditExportChart, [this] { ExportChart(); });
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
    if (shown_) return;
    shown_ = true;
    // The table as wide as its columns, the chart the rest; the user may move the handle.
    int tableWidth = table_->horizontalHeader()->length() + 2 * table_->frameWidth() +
                     table_->verticalScrollBar()->sizeHint().width();
    int chartWidth = std::max(chartView_->minimumWidth(), width() - tableWidth - handleWidth());
    setSizes({tableWidth, chartWidth});
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
}

bool ChartedPage::ExportChart() {
    QString suggested = QString::fromLatin1(table_->pageModel().Title()) + QStringLiteral(".png");
    QString path = CurrentDialogRunner().GetSaveFileName(
        window(), tr("Export Chart"), suggested,
        QStringLiteral("PNG Pictures (*.png)|*.png|SVG Pictures (*.svg)|*.svg||"),
        QStringLiteral("png"));
    if (path.isEmpty()) return false;
    QString error;
    if (WriteChart(path, &error)) return true;
    CurrentDialogRunner().ShowMessage(window(), QApplication::applicationDisplayName(),
                                      tr("Cannot export the chart.\n\n%1").arg(error));
    return false;
}

bool ChartedPage::WriteChart(const QString& path, QString* error) {
    // A view never shown has not laid its chart out: the chart is given a size of its own.
    QSize size = chartView_->isVisible() ? chartView_->size() : kUnshownSize;
    if (!chartView_->isVisible()) {
        chart()->resize(size);
        chartView_->scene()->setSceneRect(QRectF(QPointF(0, 0), size));
    }
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
    return written;
}

}  // namespace gridtally::gui
