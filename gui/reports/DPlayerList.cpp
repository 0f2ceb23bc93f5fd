#include "reports/DPlayerList.h"

#include "lists/ListPage.h"
#include "framework/Document.h"
#include "framework/TabWindow.h"
#include "game/GameLog.h"
#include "reports/DefensivePlayerList.h"
#include "reports/PlayerSelection.h"

namespace gridtally::gui {

DPlayerList::DPlayerList(QWidget* parent) : ListCtrl(parent) {
    connect(this, &ListCtrl::columnClicked, this, &DPlayerList::SortByColumn);
}

void DPlayerList::OnInitialUpdate() {
    if (!teamNameSet_) {
        if (std::optional<QString> label = TopTabLabelOf(this)) {
            teamName_ = label->toLatin1().toStdString();
            teamNameSet_ = true;
        }
    }
    InsertListColumns(*this, DPlayerColumns());
    auto* game = dynamic_cast<const GameLog*>(document());
    if (!game) return;
    rows_ = CollectPlayers(game->roster, PlayerGroup::Defense, game->ClubName(teamName_));
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        std::vector<std::string> cells = DPlayerCells(*rows_[i]);
        int row = InsertItem(GetItemCount(), QString::fromLatin1(cells[0]));
        SetItemData(row, i);
        for (std::size_t column = 1; column < cells.size(); ++column) {
            SetItemText(row, static_cast<int>(column), QString::fromLatin1(cells[column]));
        }
    }
}

void DPlayerList::OnUpdate(View* /*sender*/, UpdateHint hint, PrintHint* printHint) {
    // The list is filled once; a later change of the document leaves it as it is.
    if (hint != UpdateHint::Print || !printHint || printHint->target != this) return;
    if (printHint->dc && printHint->info) OnPrint(*printHint->dc, *printHint->info);
}

void DPlayerList::SortByColumn(int column) {
    SortItems([this, column](std::size_t a, std::size_t b) {
        return CompareDPlayers(column, *rows_[a], *rows_[b]);
    });
}

void DPlayerList::OnPrint(DeviceContext& dc, PrintInfo& /*info*/) {
    PrintListPage(dc, *this, DPlayerColumns(), DPlayerTitle(teamName_));
}

}  // namespace gridtally::gui
