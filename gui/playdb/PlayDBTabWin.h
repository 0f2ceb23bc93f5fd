#pragma once

#include "gui/framework/ChildFrame.h"
#include "gui/framework/TabWindow.h"

namespace gridtally::gui {

class PDBView;

// The window of a Play DB: the form, then the run, pass and defensive plays and the
// tendencies of the DB's current club. Printing works from the form page only.
class PlayDBTabWin : public ChildFrame {
    Q_OBJECT

public:
    explicit PlayDBTabWin(QWidget* parent = nullptr);

    bool OnCreateClient(const CreateContext& context) override;
    // Save and Save As; Print and Print Preview are the form's alone.
    bool TakeCommand(int id, bool run) override;
    // The view of the tab shown: the commands of the page the user looks at.
    View* GetActiveView() const override;

    PDBView* form = nullptr;
    TabWindow* tabs = nullptr;

    // Save: into the DB's own file when it has one it read cleanly, else under a name
    // asked for. False when it was not saved.
    bool SaveInPlace();

protected:
    bool SaveForClose() override;
};

}  // namespace gridtally::gui
