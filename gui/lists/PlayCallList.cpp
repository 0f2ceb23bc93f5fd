#include "gui/lists/PlayCallList.h"

#include "core/lists/PlayAdjustment.h"
#include "core/playcalls/PlayModel.h"
#include "core/playcalls/PlayRec.h"
#include "gui/framework/Dialogs.h"
#include "gui/framework/Document.h"
#include "gui/lists/ListPage.h"
#include "gui/playdb/PlayAdjustDlg.h"

namespace gridtally::gui {

PlayCallList::PlayCallList(PlayListKind list, QWidget* parent) : TeamListView(parent), list_(list) {
    connect(this, &ListCtrl::columnClicked, this, &PlayCallList::SortByColumn);
    if (list != PlayListKind::Defense) {
        connect(this, &ListCtrl::rowDoubleClicked, this, &PlayCallList::AdjustPlayAt);
    }
}

PlayCallList::~PlayCallList() = default;

std::string PlayCallList::GetTitle() const { return PlayListTitle(list_, teamName()); }

std::span<const ListColumn> PlayCallList::Columns() const { return PlayListColumns(list_); }

void PlayCallList::FillRows(PlayModel& model) {
    std::vector<std::unique_ptr<PlayRec>> collected;
    model.CollectPlayCalls(PlayListPlayKind(list_), teamName(), collected);
    DeleteAllItems();
    records_ = std::move(collected);
    for (std::size_t i = 0; i < records_.size(); ++i) {
        AppendRow(*this, PlayListCells(list_, *records_[i]), i);
    }
}

std::vector<std::vector<std::string>> PlayCallList::ShownRows() const {
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < GetItemCount(); ++row) {
        if (const PlayRec* record = RecordOfRow(row)) rows.push_back(PlayListCells(list_, *record));
    }
    return rows;
}

PlayRec* PlayCallList::RecordOfRow(int row) const {
    std::size_t index = GetItemData(row);
    return index < records_.size() ? records_[index].get() : nullptr;
}

void PlayCallList::SortByColumn(int column) {
    SortItems([this, column](std::size_t a, std::size_t b) {
        if (!records_[a] || !records_[b]) return 0;
        return ComparePlayListRows(list_, column, *records_[a], *records_[b]);
    });
}

void PlayCallList::AdjustPlayAt(const QPoint& point) {
    int row = HitTest(point);
    if (row < 0) return;
    PlayAdjustDlg dialog(nullptr);
    dialog.SetAnswer(InitialPlayAdjustment(list_));
    if (CurrentDialogRunner().Exec(dialog) != QDialog::Accepted) return;
    PlayRec* record = RecordOfRow(row);
    PlayModel* model = playModel();
    if (!record || !model) return;
    if (AdjustPlayCall(*model, list_, *record, dialog.answer()) == AdjustmentResult::Unchanged) {
        return;
    }
    std::size_t index = GetItemData(row);
    DeleteItem(row);
    records_[index].reset();
    if (!document()) return;
    // A Play DB is saved by its user; a game is never written back.
    if (model->modelKind == ModelKind::PlayDB) document()->SetModifiedFlag(true);
    // Every other view refills; this list only loses the row.
    document()->UpdateAllViews(this);
}

}  // namespace gridtally::gui
