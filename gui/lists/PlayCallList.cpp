#include "gui/lists/PlayCallList.h"

#include "core/lists/PlayAdjustment.h"
#include "core/playcalls/PlayModel.h"
#include "core/playcalls/PlayRec.h"
#include "gui/framework/Dialogs.h"
#include "gui/framework/Document.h"
#include "gui/playdb/PlayAdjustDlg.h"

namespace gridtally::gui {

PlayCallList::PlayCallList(PlayModel& model, PlayListKind list, PlayCallModel::Club club,
                           QWidget* parent)
    : TeamListView(std::make_unique<PlayCallModel>(model, list, std::move(club)), parent) {
    if (list != PlayListKind::Defense) {
        connect(this, &QTableView::doubleClicked, this,
                [this](const QModelIndex& index) { AdjustPlayAt(visualRect(index).center()); });
    }
}

void PlayCallList::AdjustPlayAt(const QPoint& point) {
    int row = indexAt(point).row();
    if (row < 0) return;
    PlayListKind list = listKind();
    PlayAdjustDlg dialog(nullptr);
    dialog.SetAnswer(InitialPlayAdjustment(list));
    if (CurrentDialogRunner().Exec(dialog) != QDialog::Accepted) return;
    PlayRec* record = RecordOfRow(row);
    auto* model = dynamic_cast<PlayModel*>(document());
    if (!record || !model) return;
    if (AdjustPlayCall(*model, list, *record, dialog.answer()) == AdjustmentResult::Unchanged) {
        return;
    }
    calls().RemoveRow(row);
    if (!document()) return;
    // A Play DB is saved by its user; a game is never written back.
    if (model->modelKind == ModelKind::PlayDB) document()->SetModifiedFlag(true);
    // Every other view refills; this list only loses the row.
    document()->UpdateAllViews(this);
}

}  // namespace gridtally::gui
