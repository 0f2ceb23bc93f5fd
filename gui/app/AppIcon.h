#pragma once

#include <QIcon>

namespace gridtally::gui {

// The program's icon, a football on a field, drawn at the sizes a desktop asks for
// (the installed gridtally.svg is the same picture).
QIcon AppIcon();

// A toolbar icon of the theme's name, or, where the desktop's theme has none, our own
// drawing of it ("edit-copy", "edit-find", "document-print"); empty for other names.
QIcon ToolIcon(const QString& themeName);

}  // namespace gridtally::gui
