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

// "Run Plays": a club's run plays.
class RunPlayList : public PlayCallList {
    Q_OBJECT

public:
    RunPlayList(PlayModel& model, PlayCallModel::Club club, QWidget* parent = nullptr)
        : PlayCallList(model, PlayListKind::Run, std::move(club), parent) {}
};

// "Pass Plays": a club's pass plays.
class PassPlayList : public PlayCallList {
    Q_OBJECT

public:
    PassPlayList(PlayModel& model, PlayCallModel::Club club, QWidget* parent = nullptr)
        : PlayCallList(model, PlayListKind::Pass, std::move(club), parent) {}
};

// "Def Plays": a club's defensive calls; a double-click does nothing.
class DefPlayList : public PlayCallList {
    Q_OBJECT

public:
    DefPlayList(PlayModel& model, PlayCallModel::Club club, QWidget* parent = nullptr)
        : PlayCallList(model, PlayListKind::Defense, std::move(club), parent) {}
};

}  // namespace gridtally::gui
