#pragma once

#include <string>

#include "gui/lists/PageTableView.h"

namespace gridtally {
class PlayModel;
}

namespace gridtally::gui {

// "D Players": a club's defensive players, one row each, sorted by a header click.
// Filled once, when the game has been read; a later change of the document leaves it,
// but for more games of a season that follow.
class DPlayerList : public PageTableView {
    Q_OBJECT

public:
    DPlayerList(const PlayModel& game, const std::string& club, QWidget* parent = nullptr);

    void OnUpdate(View* sender, UpdateHint hint, PrintHint* printHint) override;

private:
    bool filled_ = false;
};

}  // namespace gridtally::gui
