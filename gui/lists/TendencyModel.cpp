#include "gui/lists/TendencyModel.h"

#include "core/lists/Tendencies.h"
#include "core/playcalls/PlayModel.h"

namespace gridtally::gui {

TendencyModel::TendencyModel(PlayModel& model, Club club, QObject* parent)
    : PageModel(parent), model_(model), club_(std::move(club)) {}

std::string TendencyModel::Title() const { return TendencyTitle(club_()); }

std::span<const ListColumn> TendencyModel::Columns() const { return TendencyColumns(); }

CsvTable TendencyModel::Table() const { return TendencyTable(model_.FindTeamTotals(club_())); }

void TendencyModel::CollectRows() {
    const TeamTotals* totals = model_.FindTeamTotals(club_());
    rows_ = TendencyRows(totals);
    bars_ = TendencyBars(totals);
}

}  // namespace gridtally::gui
