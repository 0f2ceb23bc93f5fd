#pragma once

#include "framework/MainFrame.h"

namespace gridtally::gui {

// The program's main window, titled "Gridtally" and then the active document's title.
class CMainFrame : public MainFrame {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);

    // Builds the menus of the game log windows (resource 128), also shown with no
    // document open.
    void BuildMenus();

private:
    void UpdateTitle();
};

}  // namespace gridtally::gui
