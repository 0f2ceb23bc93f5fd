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

#include "core/game/GameLog.h"
#include "core/reports/PlayerReports.h"
#include "core/text/Latin1.h"
#include "gui/framework/PagePainter.h"
#include "gui/lists/CsvExport.h"

namespace gridtally::gui {

ReportView::ReportView(const GameLog& game, std::string club, QWidget* parent)
    : ScrollView(parent), game_(game), club_(std::move(club)) {
    OnCommand(command::kEditCopy, [this] { QApplication::clipboard()->setText(CopiedText()); });
    OnCommand(command::kEditExportCsv, [this] { ExportCsv(); });
}

void ReportView::OnInitialUpdate() {
    ScrollView::OnInitialUpdate();
    FitScrollSize();
}

void ReportView::FitScrollSize() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(10);
    font.setBold(true);  // the wider of the two
    QFontMetrics metrics(font, viewport());
    int widest = 0;
    ReportLines lines = Lines();
    for (const std::string& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(ShownLine(line))));
    }
    int lineHeight = metrics.height() + metrics.leading();
    int height = FirstLineY(lineHeight) + lineHeight * (static_cast<int>(lines.size()) + 1);
    SetScrollSizes(MapMode::Text, QSize(widest + lineHeight, height), QSize(100, lineHeight * 10),
                   QSize(metrics.averageCharWidth(), lineHeight));
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
    // The lines as OnDraw lays them out: the bold font's line height, one character cell
    // per column of the monospaced text.
    QImage probe(1, 1, QImage::Format_ARGB32);
    probe.setDotsPerMeterX(static_cast<int>(std::lround(viewport()->logicalDpiX() / 0.0254)));
    probe.setDotsPerMeterY(static_cast<int>(std::lround(viewport()->logicalDpiY() / 0.0254)));
    QPainter painter(&probe);
    DeviceContext dc(painter, viewport()->logicalDpiX(), viewport()->logicalDpiY());
    dc.SetMapMode(MapMode::Text);
    dc.SelectFont(dc.PointFont(100, QStringLiteral("Courier New Bold")));
    TextMetrics metrics = dc.GetTextMetrics();
    int lineHeight = metrics.height + metrics.externalLeading;
    double cell = QFontMetricsF(painter.font(), &probe).horizontalAdvance(QLatin1Char('0'));
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
    if (event->type() != QEvent::ToolTip) return ScrollView::viewportEvent(event);
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

void ReportView::OnDraw(DeviceContext& dc) {
    FontRequest regular = dc.PointFont(100, QStringLiteral("Courier New"));
    FontRequest bold = dc.PointFont(100, QStringLiteral("Courier New Bold"));
    FontRequest previous = dc.SelectFont(bold);
    TextMetrics metrics = dc.GetTextMetrics();
    int lineHeight = metrics.height + metrics.externalLeading;
    int y = FirstLineY(lineHeight);
    for (const std::string& line : Lines()) {
        dc.SelectFont(IsBoldLine(line) ? bold : regular);
        dc.TextOut(0, y, QString::fromLatin1(ShownLine(line)));
        y += lineHeight;
    }
    dc.SelectFont(previous);
}

void ReportView::OnPrint(DeviceContext& dc, PrintInfo& info) {
    PrintoutPage page;
    page.title = Title(club_);
    page.isReport = true;
    page.report = Lines();
    PrintPage(dc, info, page);
}

}  // namespace gridtally::gui
