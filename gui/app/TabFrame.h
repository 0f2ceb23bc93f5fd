#pragma once

#include "gui/framework/ChildFrame.h"
#include "gui/framework/TabWindow.h"

namespace gridtally::gui {

class CLogView;

// The window of a game: "Log File Source", then a tab per club holding its seven
// views. Print and Print Preview print the whole game through the log view, whichever
// tab is shown.
class CTabFrame : public ChildFrame {
    Q_OBJECT

public:
    explicit CTabFrame(QWidget* parent = nullptr);

    bool OnCreateClient(const CreateContext& context) override;
    // Its own tabs, and printing the game through the log view.
    bool TakeCommand(int id, bool run) override;

    // Wrapping from the last top tab to the first, and back.
    void NextTab();
    void PreviousTab();

    CLogView* logView = nullptr;  // set by the log view when it first shows
    TabWindow* gameTabs = nullptr;
    TabWindow* team1Tabs = nullptr;
    TabWindow* team2Tabs = nullptr;

private:
    TabWindow* MakeTeamTabs(const CreateContext& context, int club);
};

}  // namespace gridtally::gui
