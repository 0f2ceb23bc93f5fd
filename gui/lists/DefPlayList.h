#pragma once

#include "gui/lists/PlayCallList.h"

namespace gridtally::gui {

// "Def Plays": a club's defensive calls; a double-click does nothing.
class DefPlayList : public PlayCallList {
    Q_OBJECT

public:
    explicit DefPlayList(QWidget* parent = nullptr) : PlayCallList(PlayListKind::Defense, parent) {}
};

}  // namespace gridtally::gui
