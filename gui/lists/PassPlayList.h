#pragma once

#include "gui/lists/PlayCallList.h"

namespace gridtally::gui {

// "Pass Plays": a club's pass plays.
class PassPlayList : public PlayCallList {
    Q_OBJECT

public:
    PassPlayList(PlayModel& model, PlayCallModel::Club club, QWidget* parent = nullptr)
        : PlayCallList(model, PlayListKind::Pass, std::move(club), parent) {}
};

}  // namespace gridtally::gui
