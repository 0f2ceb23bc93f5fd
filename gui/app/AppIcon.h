#pragma once

#include <QIcon>

namespace gridtally::gui {

// The program's icon, a football on a field, drawn at the sizes a desktop asks for
// (the installed gridtally.svg is the same picture).
QIcon AppIcon();

}  // namespace gridtally::gui
