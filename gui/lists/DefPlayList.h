#pragma once

#include "gui/lists/PlayCallList.h"

namespace gridtally::gui {

// "Def Plays": a club's defensive calls; a double-click does nothing.
class DefPlayList : public PlayCallList {
    Q_OBJECT

public:
    DefPlayList(PlayModel& model, PlayCallModel::Club club, QWidget* parent = nullptr)
        : PlayCallList(model, PlayListKind::Defense, std::move(club), parent) {}
};

}  // namespace gridtally::gui
