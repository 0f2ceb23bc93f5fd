#include "gui/lists/TendencyModel.h"

#include "core/lists/Tendencies.h"
#include "core/playcalls/PlayModel.h"

namespace gridtally::gui {

TendencyModel::TendencyModel(PlayModel& model, Club club, QObject* parent)
    : PageModel(parent), model_(model), club_(std::move(club)) {}

std::string TendencyModel::Title() const { return TendencyTitle(club_()); }

std::span<const ListColumn> TendencyModel::Columns() const { return TendencyColumns(); }

CsvTable TendencyModel::Table() const { return TendencyTable(model_.FindTeamTotals(club_())); }

void TendencyModel::CollectRows() { rows_ = TendencyRows(model_.FindTeamTotals(club_())); }

}  // namespace gridtally::gui
