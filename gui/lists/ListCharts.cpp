#include "gui/lists/ListCharts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <string>

#include "core/playcalls/PlayRec.h"
#include "gui/lists/PlayCallModel.h"
#include "gui/lists/TendencyModel.h"

namespace gridtally::gui {
namespace {

int Number(const std::string& cell) { return cell.empty() ? 0 : std::stoi(cell); }

// Puts the categories down the left and the values along the bottom. Bars are drawn
// from the bottom up, so the sets and categories come in reverse: the first on top.
void AddAxes(QChart& chart, QAbstractBarSeries& series, QStringList categories, double low,
             double high, const QString& title, const char* format) {
    std::reverse(categories.begin(), categories.end());
    chart.addSeries(&series);
    auto* rows = new QBarCategoryAxis;
    rows->append(categories);
    chart.addAxis(rows, Qt::AlignLeft);
    series.attachAxis(rows);
    auto* values = new QValueAxis;
    values->setRange(low, std::max(high, low + 1.0));
    values->setTitleText(title);
    values->applyNiceNumbers();
    values->setLabelFormat(QString::fromLatin1(format));
    chart.addAxis(values, Qt::AlignBottom);
    series.attachAxis(values);
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

}  // namespace

void PlotTendencies(QChart& chart, const TendencyModel& model) {
    auto* runs = new QBarSet(QObject::tr("Runs"));
    auto* passes = new QBarSet(QObject::tr("Passes"));
    QStringList categories, tips;
    double widest = 0;
    for (const std::vector<std::string>& row : model.Cells()) {
        if (row[0] == " ") continue;  // the separator between two downs
        int run = Number(row[1]);
        int pass = Number(row[2]);
        QString label = QString::fromLatin1(row[0]);
        if (run + pass > 0) {
            label += QStringLiteral(" (%1 % run)").arg(std::lround(100.0 * run / (run + pass)));
        }
        categories.append(label);
        tips.append(QObject::tr("%1: %2 runs, %3 passes")
                        .arg(QString::fromLatin1(row[0]))
                        .arg(run)
                        .arg(pass));
        runs->insert(0, run);
        passes->insert(0, pass);
        widest = std::max(widest, static_cast<double>(run + pass));
    }
    auto* series = new QHorizontalStackedBarSeries;
    series->append(runs);
    series->append(passes);
    chart.setTitle(QString::fromLatin1(model.club()) + QObject::tr(" - runs and passes"));
    AddAxes(chart, *series, categories, 0, widest, QObject::tr("Plays called"), "%d");
    AddTips(*series, std::move(tips));
}

void PlotYardsPerCall(QChart& chart, const PlayCallModel& model) {
    auto* perCall = new QBarSet(QObject::tr("Yards per call"));
    QStringList categories, tips;
    double low = 0, high = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        const PlayRec* play = model.Record(row);
        if (!play) continue;
        const PlayCallRec& record = play->results;
        double value = record.calls != 0 ? static_cast<double>(record.yards) / record.calls : 0.0;
        QString name = QString::fromLatin1(model.Cells()[static_cast<std::size_t>(row)][0]);
        categories.append(
            Unique(categories, QStringLiteral("%1 (%2)").arg(name).arg(value, 0, 'f', 1)));
        tips.append(QObject::tr("%1: %2 yards in %3 calls, %4 per call")
                        .arg(name)
                        .arg(record.yards)
                        .arg(record.calls)
                        .arg(value, 0, 'f', 1));
        perCall->insert(0, value);
        low = std::min(low, value);
        high = std::max(high, value);
    }
    auto* series = new QHorizontalBarSeries;
    series->append(perCall);
    chart.setTitle(QString::fromLatin1(model.Title()) + QObject::tr(" - yards per call"));
    chart.legend()->hide();
    AddAxes(chart, *series, categories, std::floor(low), std::ceil(high),
            QObject::tr("Yards per call"), "%.1f");
    AddTips(*series, std::move(tips));
}

}  // namespace gridtally::gui
