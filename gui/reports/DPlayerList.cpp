#include "gui/reports/DPlayerList.h"

#include "core/game/GameLog.h"
#include "core/reports/DefensivePlayerList.h"
#include "core/reports/PlayerSelection.h"
#include "gui/framework/Document.h"
#include "gui/framework/PagePainter.h"
#include "gui/framework/TabWindow.h"
#include "gui/lists/ListPage.h"

namespace gridtally::gui {

DPlayerList::DPlayerList(QWidget* parent) : ListCtrl(parent) {
    connect(this, &ListCtrl::columnClicked, this, &DPlayerList::SortByColumn);
}

void DPlayerList::OnInitialUpdate() {
    if (!teamNameSet_) {
        if (std::optional<std::string> club = TopTabClubOf(this)) {
            teamName_ = *club;
            teamNameSet_ = true;
        }
    }
    InsertListColumns(*this, DPlayerColumns());
    auto* game = dynamic_cast<const GameLog*>(document());
    if (!game) return;
    rows_ = CollectPlayers(game->roster, PlayerGroup::Defense, game->ClubName(teamName_));
    for (std::size_t i = 0; i < rows_.size(); ++i) AppendRow(*this, DPlayerCells(*rows_[i]), i);
}

void DPlayerList::OnUpdate(View* /*sender*/, UpdateHint hint, PrintHint* printHint) {
    // The list is filled once; a later change of the document leaves it as it is.
    HandlePrintUpdate(hint, printHint);
}

void DPlayerList::SortByColumn(int column) {
    SortItems([this, column](std::size_t a, std::size_t b) {
        return CompareDPlayers(column, *rows_[a], *rows_[b]);
    });
}

void DPlayerList::OnPrint(DeviceContext& dc, PrintInfo& info) {
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < GetItemCount(); ++row) {
        std::size_t record = GetItemData(row);
        if (record < rows_.size()) rows.push_back(DPlayerCells(*rows_[record]));
    }
    PrintPage(dc, info,
              ListPrintoutPage(DPlayerTitle(teamName_), DPlayerColumns(), std::move(rows)));
}

}  // namespace gridtally::gui
