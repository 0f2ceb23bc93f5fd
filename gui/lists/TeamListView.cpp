#include "lists/TeamListView.h"

#include "framework/Document.h"
#include "framework/PagePainter.h"
#include "framework/TabWindow.h"
#include "lists/ListPage.h"
#include "lists/TeamName.h"
#include "playcalls/PlayModel.h"
#include "playdb/PlayDB.h"

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
