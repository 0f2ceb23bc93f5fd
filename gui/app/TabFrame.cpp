#include "gui/app/TabFrame.h"

#include "gui/app/LogView.h"
#include "gui/framework/Printing.h"
#include "gui/lists/DefPlayList.h"
#include "gui/lists/PassPlayList.h"
#include "gui/lists/RunPlayList.h"
#include "gui/lists/TendLstView.h"
#include "gui/reports/DPlayerList.h"
#include "gui/reports/OPlyrStatsView.h"
#include "gui/reports/SpecialTeamsView.h"

namespace gridtally::gui {
CTabFrame::CTabFrame(QWidget* parent) : ChildFrame(parent) {
    OnCommand(command::kNextTab, [this] { NextTab(); });
    OnCommand(command::kPreviousTab, [this] { PreviousTab(); });
    OnCommand(
        command::kFilePrint, [this] { PrintWithDialog(*logView, this); },
        [this] { return logView != nullptr; });
    OnCommand(
        command::kFilePrintPreview, [this] { PrintPreview(*logView, this); },
        [this] { return logView != nullptr; });
}

TabWindow* CTabFrame::MakeTeamTabs(const CreateContext& context) {
    auto* tabs = new TabWindow(gameTabs);
    tabs->setTabPosition(QTabWidget::South);
    tabs->AddViewTab(MakeView<OPlyrStatsView>(), tr("O Players"), context, -1);
    tabs->AddViewTab(MakeView<DPlayerList>(), tr("D Players"), context, -1);
    tabs->AddViewTab(MakeView<SpecialTeamsView>(), tr("Special"), context, -1);
    tabs->AddViewTab(MakeView<RunPlayList>(), tr("Run Plays"), context, -1);
    tabs->AddViewTab(MakeView<PassPlayList>(), tr("Pass Plays"), context, -1);
    tabs->AddViewTab(MakeView<DefPlayList>(), tr("Def Plays"), context, -1);
    tabs->AddViewTab(MakeView<TendLstView>(), tr("Play Calling"), context, -1);
    return tabs;
}

bool CTabFrame::OnCreateClient(const CreateContext& context) {
    // This order makes the document's order of views, which numbers the printed pages.
    gameTabs = new TabWindow(this);
    setWidget(gameTabs);
    gameTabs->AddViewTab(MakeView<CLogView>(), tr("Log File Source"), context, -1);
    team1Tabs = MakeTeamTabs(context);
    team2Tabs = MakeTeamTabs(context);
    gameTabs->AddWindowTab(team1Tabs, QStringLiteral("Team 1"));
    gameTabs->AddWindowTab(team2Tabs, QStringLiteral("Team 2"));
    gameTabs->ActivateTab(0);
    team1Tabs->ActivateTab(0);
    team2Tabs->ActivateTab(0);
    return true;
}

void CTabFrame::NextTab() {
    int count = gameTabs->GetTabCount();
    int active = gameTabs->GetActiveTab();
    if (active < 0 || count == 0) return;
    gameTabs->ActivateTab((active + count + 1) % count);
}

void CTabFrame::PreviousTab() {
    int count = gameTabs->GetTabCount();
    int active = gameTabs->GetActiveTab();
    if (active < 0 || count == 0) return;
    gameTabs->ActivateTab((count + active - 1) % count);
}

}  // namespace gridtally::gui
