#pragma once

#include "gui/lists/PlayCallList.h"

namespace gridtally::gui {

// "Pass Plays": a club's pass plays.
class PassPlayList : public PlayCallList {
    Q_OBJECT

public:
    explicit PassPlayList(QWidget* parent = nullptr) : PlayCallList(PlayListKind::Pass, parent) {}
};

}  // namespace gridtally::gui
