#include "gui/reports/DPlayerList.h"

#include "gui/reports/DefensivePlayersModel.h"

namespace gridtally::gui {

DPlayerList::DPlayerList(const PlayModel& game, const std::string& club, QWidget* parent)
    : PageTableView(std::make_unique<DefensivePlayersModel>(game, club), parent) {}

void DPlayerList::OnUpdate(View* sender, UpdateHint hint, PrintHint* printHint) {
    if (hint == UpdateHint::Refill && filled_) return;
    filled_ = filled_ || hint != UpdateHint::Print;
    PageTableView::OnUpdate(sender, hint, printHint);
}

}  // namespace gridtally::gui
