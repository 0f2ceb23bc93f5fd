#include "gui/lists/TendLstView.h"

#include "core/lists/Tendencies.h"
#include "core/playcalls/PlayModel.h"
#include "gui/lists/ListPage.h"

namespace gridtally::gui {

std::string TendLstView::GetTitle() const { return TendencyTitle(teamName()); }

std::span<const ListColumn> TendLstView::Columns() const { return TendencyColumns(); }

std::vector<std::vector<std::string>> TendLstView::ShownRows() const {
    PlayModel* model = playModel();
    return TendencyRows(model ? model->FindTeamTotals(teamName()) : nullptr);
}

void TendLstView::FillRows(PlayModel& model) {
    DeleteAllItems();
    for (const std::vector<std::string>& cells : TendencyRows(model.FindTeamTotals(teamName()))) {
        AppendRow(*this, cells);
    }
}

}  // namespace gridtally::gui
