#include "gui/reports/ReportView.h"

#include "core/game/GameLog.h"
#include "gui/framework/Document.h"
#include "gui/framework/PagePainter.h"
#include "gui/framework/TabWindow.h"

namespace gridtally::gui {

ReportView::ReportView(QWidget* parent) : ScrollView(parent) {}

void ReportView::OnInitialUpdate() {
    ScrollView::OnInitialUpdate();
    // A fixed height, whatever the report's length: one page of lines is short.
    SetScrollSizes(MapMode::Text, QSize(0, 1000), QSize(0, 100), QSize(0, 10));
}

void ReportView::OnUpdate(View* /*sender*/, UpdateHint hint, PrintHint* printHint) {
    // A report is rebuilt when it paints; only a print request for this view matters.
    HandlePrintUpdate(hint, printHint);
}

const std::string& ReportView::teamName() {
    if (!teamNameSet_) {
        if (std::optional<std::string> club = TopTabClubOf(this)) {
            teamName_ = *club;
            teamNameSet_ = true;
        }
    }
    return teamName_;
}

ReportLines ReportView::Lines() {
    ReportLines lines;
    if (auto* game = dynamic_cast<const GameLog*>(document())) {
        BuildReport(*game, teamName(), lines);
    }
    return lines;
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
    page.title = Title(teamName());
    page.isReport = true;
    page.report = Lines();
    PrintPage(dc, info, page);
}

}  // namespace gridtally::gui
