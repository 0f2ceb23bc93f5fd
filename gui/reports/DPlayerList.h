#pragma once

#include <string>
#include <vector>

#include "gui/framework/ListCtrl.h"
#include "gui/framework/View.h"

namespace gridtally {
struct PlayerRec;
}

namespace gridtally::gui {

// "D Players": a club's defensive players, one row each, sorted by a header click.
// Filled once, when the game has been read; the rows point at the roster's records.
class DPlayerList : public ListCtrl, public View {
    Q_OBJECT

public:
    explicit DPlayerList(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnUpdate(View* sender, UpdateHint hint, PrintHint* printHint) override;
    void OnPrint(DeviceContext& dc, PrintInfo& info) override;

    const std::string& teamName() const { return teamName_; }
    void SortByColumn(int column);

private:
    std::string teamName_;
    bool teamNameSet_ = false;
    std::vector<const PlayerRec*> rows_;
};

}  // namespace gridtally::gui
