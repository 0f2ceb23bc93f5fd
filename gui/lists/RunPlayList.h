#pragma once

#include "gui/lists/PlayCallList.h"

namespace gridtally::gui {

// "Run Plays": a club's run plays.
class RunPlayList : public PlayCallList {
    Q_OBJECT

public:
    explicit RunPlayList(QWidget* parent = nullptr) : PlayCallList(PlayListKind::Run, parent) {}
};

}  // namespace gridtally::gui
