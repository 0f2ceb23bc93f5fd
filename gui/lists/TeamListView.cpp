#include "gui/lists/TeamListView.h"

#include "core/lists/TeamName.h"
#include "core/playcalls/PlayModel.h"
#include "core/playdb/PlayDB.h"
#include "gui/framework/Document.h"
#include "gui/framework/PagePainter.h"
#include "gui/framework/TabWindow.h"
#include "gui/lists/ListPage.h"

namespace gridtally::gui {

TeamListView::TeamListView(QWidget* parent) : ListCtrl(parent) {}

PlayModel* TeamListView::playModel() const { return dynamic_cast<PlayModel*>(document()); }

void TeamListView::OnInitialUpdate() {
    View::OnInitialUpdate();  // a refill
    ResolveTeamName();
    InsertColumns();
}

void TeamListView::OnUpdate(View* /*sender*/, UpdateHint hint, PrintHint* printHint) {
    if (!HandlePrintUpdate(hint, printHint)) Refill();
}

void TeamListView::Refill() {
    InsertColumns();
    ResolveTeamName();
    if (PlayModel* model = playModel()) FillRows(*model);
}

void TeamListView::InsertColumns() {
    if (columnsInserted_) return;
    InsertListColumns(*this, Columns());
    columnsInserted_ = true;
}

void TeamListView::ResolveTeamName() {
    PlayModel* model = playModel();
    if (!model) return;
    if (model->modelKind != ModelKind::GameLog) {
        if (auto* db = dynamic_cast<PlayDB*>(model)) teamName_ = db->currentTeam;
        return;
    }
    if (!ListTeamNeedsResolving(teamName_)) return;
    if (std::optional<std::string> club = TopTabClubOf(this)) teamName_ = *club;
}

void TeamListView::OnPrint(DeviceContext& dc, PrintInfo& info) {
    PrintPage(dc, info, ListPrintoutPage(GetTitle(), Columns(), ShownRows()));
}

}  // namespace gridtally::gui
