#include "gui/reports/ReportView.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include "core/playcalls/PlayModel.h"
#include "core/reports/PlayerReports.h"
#include "core/text/Latin1.h"
#include "gui/framework/PagePainter.h"
#include "gui/lists/CsvExport.h"

namespace gridtally::gui {

ReportView::ReportView(const PlayModel& game, std::string club, QWidget* parent)
    : QAbstractScrollArea(parent), game_(game), club_(std::move(club)) {
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
}

bool ReportView::TakeCommand(int id, bool run) {
    if (id == command::kEditCopy) {
        return Take(run, [this] { QApplication::clipboard()->setText(CopiedText()); });
    }
    if (id == command::kEditExportCsv) return Take(run, [this] { ExportCsv(); });
    return false;
}

void ReportView::OnInitialUpdate() {
    View::OnInitialUpdate();
    FitScrollSize();
}

QFont ReportView::ScreenFont(bool bold) const {
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(viewport()->logicalDpiY() / 7.2))));
    font.setBold(bold);
    return font;
}

int ReportView::LineHeight() const {
    QFontMetricsF metrics(ScreenFont(true), viewport());
    return static_cast<int>(std::lround(metrics.ascent() + metrics.descent())) +
           static_cast<int>(std::lround(std::max(0.0, metrics.leading())));
}

void ReportView::FitScrollSize() {
    QFontMetrics metrics(ScreenFont(true), viewport());  // the wider of the two
    int widest = 0;
    ReportLines lines = Lines();
    for (const std::string& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(ShownLine(line))));
    }
    int lineHeight = LineHeight();
    int height = FirstLineY(lineHeight) + lineHeight * (static_cast<int>(lines.size()) + 1);
    QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, widest + lineHeight - visible.width()));
    verticalScrollBar()->setRange(0, std::max(0, height - visible.height()));
    horizontalScrollBar()->setPageStep(100);
    verticalScrollBar()->setPageStep(lineHeight * 10);
    horizontalScrollBar()->setSingleStep(std::max(1, metrics.averageCharWidth()));
    verticalScrollBar()->setSingleStep(std::max(1, lineHeight));
}

void ReportView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    FitScrollSize();
}

void ReportView::OnUpdate(View* /*sender*/, UpdateHint hint, PrintHint* printHint) {
    // A report is rebuilt when it paints; more games of a season may make it longer.
    if (HandlePrintUpdate(hint, printHint) || hint != UpdateHint::Follow) return;
    FitScrollSize();
    viewport()->update();
}

ReportLines ReportView::Lines() const {
    ReportLines lines;
    BuildReport(game_, game_.ClubName(club_), lines);
    return lines;
}

QString ReportView::CopiedText() const {
    std::string text = Title(club_) + "\n\n";
    for (const std::string& line : Lines()) text += ShownLine(line) + "\n";
    return QString::fromStdString(Latin1ToUtf8(text));
}

CsvTable ReportView::Table() const { return BuildTable(game_, game_.ClubName(club_)); }

bool ReportView::ExportCsv() {
    return gui::ExportCsv(window(), QString::fromLatin1(Title(club_)) + QStringLiteral(".csv"),
                          Table());
}

void ReportView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(QObject::tr("&Copy"),
                   [this] { QApplication::clipboard()->setText(CopiedText()); });
    menu.addAction(QObject::tr("&Export CSV..."), [this] { ExportCsv(); });
    menu.exec(event->globalPos());
}

QString ReportView::HeaderTipAt(QPoint point) const {
    // The lines as paintEvent lays them out: one character cell per column of the
    // monospaced text.
    int lineHeight = LineHeight();
    double cell = QFontMetricsF(ScreenFont(true), viewport()).horizontalAdvance(QLatin1Char('0'));
    int y = point.y() + verticalScrollBar()->value() - FirstLineY(lineHeight);
    double x = point.x() + horizontalScrollBar()->value();
    if (lineHeight <= 0 || cell <= 0 || y < 0 || x < 0) return {};
    ReportLines lines = Lines();
    auto row = static_cast<std::size_t>(y / lineHeight);
    if (row >= lines.size()) return {};
    auto column = static_cast<std::size_t>(x / cell);
    for (const HeaderTip& tip : ReportHeaderTips(lines[row])) {
        if (column >= tip.begin && column < tip.end) return QString::fromLatin1(tip.tip.c_str());
    }
    return {};
}

bool ReportView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QAbstractScrollArea::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    QString tip = HeaderTipAt(help->pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, viewport());
    }
    return true;
}

void ReportView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    QFont regular = ScreenFont(false);
    QFont bold = ScreenFont(true);
    int lineHeight = LineHeight();
    int y = FirstLineY(lineHeight);
    for (const std::string& line : Lines()) {
        painter.setFont(IsBoldLine(line) ? bold : regular);
        QFontMetricsF metrics(painter.font(), viewport());
        painter.drawText(QPointF(0, y + metrics.ascent()), QString::fromLatin1(ShownLine(line)));
        y += lineHeight;
    }
}

void ReportView::OnPrint(QPainter& painter, PrintInfo& info) {
    PrintoutPage page;
    page.title = Title(club_);
    page.isReport = true;
    page.report = Lines();
    PrintPage(painter, info, page);
}

}  // namespace gridtally::gui
