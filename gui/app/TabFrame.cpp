#include "gui/app/TabFrame.h"

#include <functional>

#include "gui/app/ClubViews.h"
#include "gui/app/LogView.h"
#include "gui/app/YardbookDoc.h"
#include "gui/framework/Printing.h"

namespace gridtally::gui {
CTabFrame::CTabFrame(QWidget* parent) : ChildFrame(parent) {}

bool CTabFrame::TakeCommand(int id, bool run) {
    switch (id) {
        case command::kNextTab:
            return Take(run, [this] { NextTab(); });
        case command::kPreviousTab:
            return Take(run, [this] { PreviousTab(); });
        case command::kFilePrint:
            return logView && Take(run, [this] { PrintWithDialog(*logView, this); });
        case command::kFilePrintPreview:
            return logView && Take(run, [this] { PrintPreview(*logView, this); });
        default:
            return ChildFrame::TakeCommand(id, run);
    }
}

TabWindow* CTabFrame::MakeTeamTabs(const CreateContext& context, int club) {
    auto* tabs = new TabWindow(gameTabs);
    tabs->setTabPosition(QTabWidget::South);
    auto* game = dynamic_cast<CYardbookDoc*>(context.document);
    if (!game) return tabs;
    // Each page is made for its club: its name as the log gives it, or "Team 1"/"Team 2".
    AddClubViews(*tabs, *game, game->ClubLabel(club), context);
    return tabs;
}

bool CTabFrame::OnCreateClient(const CreateContext& context) {
    // This order makes the document's order of views, which numbers the printed pages.
    gameTabs = new TabWindow(this);
    setWidget(gameTabs);
    gameTabs->AddViewTab(MakeView<CLogView>(), tr("Log File Source"), context);
    team1Tabs = MakeTeamTabs(context, 0);
    team2Tabs = MakeTeamTabs(context, 1);
    gameTabs->addTab(team1Tabs, QStringLiteral("Team 1"));
    gameTabs->addTab(team2Tabs, QStringLiteral("Team 2"));
    gameTabs->setCurrentIndex(0);
    team1Tabs->setCurrentIndex(0);
    team2Tabs->setCurrentIndex(0);
    return true;
}

void CTabFrame::NextTab() {
    int count = gameTabs->count();
    int active = gameTabs->currentIndex();
    if (active < 0 || count == 0) return;
    gameTabs->setCurrentIndex((active + count + 1) % count);
}

void CTabFrame::PreviousTab() {
    int count = gameTabs->count();
    int active = gameTabs->currentIndex();
    if (active < 0 || count == 0) return;
    gameTabs->setCurrentIndex((count + active - 1) % count);
}

}  // namespace gridtally::gui
