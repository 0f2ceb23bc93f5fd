#include "lists/TendLstView.h"

#include "lists/Tendencies.h"
#include "playcalls/PlayModel.h"

namespace gridtally::gui {

std::string TendLstView::GetTitle() const { return TendencyTitle(teamName()); }

std::span<const ListColumn> TendLstView::Columns() const { return TendencyColumns(); }

void TendLstView::FillRows(PlayModel& model) {
    DeleteAllItems();
    for (const std::vector<std::string>& cells : TendencyRows(model.FindTeamTotals(teamName()))) {
        int row = InsertItem(GetItemCount(), QString::fromLatin1(cells[0]));
        for (std::size_t column = 1; column < cells.size(); ++column) {
            SetItemText(row, static_cast<int>(column), QString::fromLatin1(cells[column]));
        }
    }
}

}  // namespace gridtally::gui
