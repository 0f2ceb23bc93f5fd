#pragma once

#include <memory>
#include <string>

#include "gui/lists/PageModel.h"
#include "gui/lists/PageTableView.h"

namespace gridtally::gui {

// A list of one club's data, in a game window (the club it was made for) or in a Play DB
// window (the DB's current club, read again at every refill). A Print update for this
// view prints the list as one page; any other update fills it again.
class TeamListView : public PageTableView {
    Q_OBJECT

public:
    explicit TeamListView(std::unique_ptr<PageModel> model, QWidget* parent = nullptr)
        : PageTableView(std::move(model), parent) {}

    // The printed title, made with the club's name.
    std::string GetTitle() const { return pageModel().Title(); }
};

}  // namespace gridtally::gui
