#include "gui/lists/ListCharts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QFontMetrics>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <string>

#include "core/lists/ChartBars.h"
#include "core/playcalls/PlayRec.h"
#include "gui/lists/PlayCallModel.h"
#include "gui/lists/TendencyModel.h"

namespace gridtally::gui {
namespace {

// The figures' range, kept on the axis: its ticks are fitted again at every new size.
constexpr const char* kLowest = "gridtallyLowest";
constexpr const char* kHighest = "gridtallyHighest";

QString Shown(const std::string& latin1) { return QString::fromLatin1(latin1.c_str()); }

// Puts the categories down the left and the values along the bottom. Bars are drawn
// from the bottom up, so the sets and categories come in reverse: the first on top.
void AddAxes(QChart& chart, QAbstractBarSeries& series, QStringList categories, double low,
             double high, const QString& title) {
    std::reverse(categories.begin(), categories.end());
    chart.addSeries(&series);
    auto* rows = new QBarCategoryAxis;
    rows->append(categories);
    chart.addAxis(rows, Qt::AlignLeft);
    series.attachAxis(rows);
    auto* values = new QValueAxis;
    values->setProperty(kLowest, std::min(low, 0.0));
    values->setProperty(kHighest, std::max(high, 0.0));
    values->setTitleText(title);
    chart.addAxis(values, Qt::AlignBottom);
    series.attachAxis(values);
    FitValueTicks(chart);
}

// A bar hovered tells its figures in full: the chart's tooltip becomes the bar's, and
// the view shows it as any tooltip. `tips` holds them first row first; the bars are held
// from the last up.
void AddTips(QAbstractBarSeries& series, QStringList tips) {
    QAbstractBarSeries* hovered = &series;
    QObject::connect(hovered, &QAbstractBarSeries::hovered, hovered,
                     [hovered, tips = std::move(tips)](bool over, int index, QBarSet*) {
                         qsizetype row = tips.size() - 1 - index;
                         bool known = over && row >= 0 && row < tips.size();
                         if (hovered->chart()) {
                             hovered->chart()->setToolTip(known ? tips[row] : QString());
                         }
                     });
}

// Category labels must differ, or the axis drops the later ones and bars shift.
QString Unique(const QStringList& taken, const QString& label) {
    QString made = label;
    for (int n = 2; taken.contains(made); ++n) made = QStringLiteral("%1 (%2)").arg(label).arg(n);
    return made;
}

// The smallest of 1, 2 and 5 times a power of ten that is at least `rough`.
double NiceStep(double rough) {
    double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= rough * (1 - 1e-9)) return factor * power;
    }
    return 10 * power;
}

}  // namespace

void PlotTendencies(QChart& chart, const TendencyModel& model, std::string_view filter) {
    auto* runs = new QBarSet(QObject::tr("Runs"));
    auto* passes = new QBarSet(QObject::tr("Passes"));
    QStringList categories, tips;
    double widest = 0;
    for (const ChartBar& bar : model.Bars()) {
        categories.append(Shown(bar.label));
        tips.append(Shown(bar.tip));
        runs->insert(0, bar.values[0]);
        passes->insert(0, bar.values[1]);
        widest = std::max(widest, bar.values[0] + bar.values[1]);
    }
    auto* series = new QHorizontalStackedBarSeries;
    series->append(runs);
    series->append(passes);
    chart.setTitle(Shown(TendencyChartTitle(model.club(), filter)));
    AddAxes(chart, *series, categories, 0, widest, QObject::tr("Plays called"));
    AddTips(*series, std::move(tips));
}

void PlotYardsPerCall(QChart& chart, const PlayCallModel& model, std::string_view filter) {
    auto* perCall = new QBarSet(QObject::tr("Yards per call"));
    QStringList categories, tips;
    double low = 0, high = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        const PlayRec* play = model.Record(row);
        if (!play) continue;
        ChartBar bar = YardsPerCallBar(*play);
        categories.append(Unique(categories, Shown(bar.label)));
        tips.append(Shown(bar.tip));
        perCall->insert(0, bar.values[0]);
        low = std::min(low, bar.values[0]);
        high = std::max(high, bar.values[0]);
    }
    auto* series = new QHorizontalBarSeries;
    series->append(perCall);
    chart.setTitle(Shown(YardsPerCallChartTitle(model.Title(), filter)));
    chart.legend()->hide();
    AddAxes(chart, *series, categories, low, high, QObject::tr("Yards per call"));
    AddTips(*series, std::move(tips));
}

void FitValueTicks(QChart& chart) {
    for (QAbstractAxis* axis : chart.axes(Qt::Horizontal)) {
        auto* values = qobject_cast<QValueAxis*>(axis);
        if (!values || !values->property(kLowest).isValid()) continue;
        double low = values->property(kLowest).toDouble();
        double high = values->property(kHighest).toDouble();
        if (high - low < 1) high = low + 1;
        // Room for the widest number and two blanks beside it, at one decimal (the
        // widest a label gets).
        QFontMetrics metrics(values->labelsFont());
        int label = std::max(metrics.horizontalAdvance(QString::number(low, 'f', 1)),
                             metrics.horizontalAdvance(QString::number(high, 'f', 1))) +
                    metrics.horizontalAdvance(QStringLiteral("  "));
        double width =
            chart.plotArea().width() > 0 ? chart.plotArea().width() : chart.size().width() * 0.6;
        int most = std::clamp(static_cast<int>(width / (1.5 * std::max(label, 1))), 1, 10);
        double step = NiceStep((high - low) / most);
        // Whole steps past both ends may take one interval more than fits.
        while (std::ceil(high / step) - std::floor(low / step) > most) step = NiceStep(step * 1.01);
        bool whole = step >= 1;
        double from = std::floor(low / step) * step;
        double to = std::ceil(high / step) * step;
        if (values->tickInterval() == step && values->min() == from && values->max() == to)
            continue;
        values->setTickType(QValueAxis::TicksDynamic);
        values->setTickAnchor(0);
        values->setTickInterval(step);
        values->setRange(from, to);
        values->setMinorTickCount(0);
        values->setLabelFormat(whole ? QStringLiteral("%d") : QStringLiteral("%.1f"));
    }
}

}  // namespace gridtally::gui
