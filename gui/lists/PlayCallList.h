#pragma once

#include <QPoint>

#include "gui/lists/PlayCallModel.h"
#include "gui/lists/TeamListView.h"

namespace gridtally::gui {

// A club's play calls of one kind with their results. In the run and pass lists a
// double-click on a row opens the play adjustment.
class PlayCallList : public TeamListView {
    Q_OBJECT

public:
    PlayCallList(PlayModel& model, PlayListKind list, PlayCallModel::Club club,
                 QWidget* parent = nullptr);

    PlayCallModel& calls() const { return static_cast<PlayCallModel&>(pageModel()); }
    PlayListKind listKind() const { return calls().listKind(); }
    // The adjustment of the row at `point` (viewport coordinates), as a double-click
    // there runs it.
    void AdjustPlayAt(const QPoint& point);
    // The record of a shown row, or nullptr.
    PlayRec* RecordOfRow(int row) const { return calls().Record(row); }
};

}  // namespace gridtally::gui
