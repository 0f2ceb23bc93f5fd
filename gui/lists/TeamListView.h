#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/lists/ListColumn.h"
#include "gui/framework/ListCtrl.h"
#include "gui/framework/View.h"

namespace gridtally {
class PlayModel;
}

namespace gridtally::gui {

// A list of one club's data, in a game window (the club of the tab that holds it) or in
// a Play DB window (the DB's current club). A Print update for this view prints the
// list as one page; any other update fills it again.
class TeamListView : public ListCtrl, public View {
    Q_OBJECT

public:
    explicit TeamListView(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnUpdate(View* sender, UpdateHint hint, PrintHint* printHint) override;
    void OnPrint(DeviceContext& dc, PrintInfo& info) override;

    const std::string& teamName() const { return teamName_; }
    // The printed title, made with the club's name.
    virtual std::string GetTitle() const { return teamName_ + " - unknown"; }

protected:
    virtual std::span<const ListColumn> Columns() const = 0;
    // The cells of the rows in the order shown, computed from the rows' records.
    virtual std::vector<std::vector<std::string>> ShownRows() const = 0;
    // Fills the rows from the document; the columns are in and the club is known.
    virtual void FillRows(PlayModel& model) = 0;

    void Refill();
    void InsertColumns();
    void ResolveTeamName();
    PlayModel* playModel() const;

private:
    bool columnsInserted_ = false;
    std::string teamName_;
};

}  // namespace gridtally::gui
