#pragma once

#include "gui/lists/PlayCallList.h"

namespace gridtally::gui {

// "Run Plays": a club's run plays.
class RunPlayList : public PlayCallList {
    Q_OBJECT

public:
    RunPlayList(PlayModel& model, PlayCallModel::Club club, QWidget* parent = nullptr)
        : PlayCallList(model, PlayListKind::Run, std::move(club), parent) {}
};

}  // namespace gridtally::gui
