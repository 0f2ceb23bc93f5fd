#pragma once

#include "framework/DeviceContext.h"

namespace gridtally::gui::PrintFonts {

// The fonts of every printed page, in twips: the page title and the monospaced text.
inline FontRequest Title() {
    return FontRequest{QStringLiteral("Verdana"), -400, 700, true, 4, 0};
}

inline FontRequest Text(int weight) {
    return FontRequest{QStringLiteral("Courier New"), -200, weight, false, 0x31, 0};
}

}  // namespace gridtally::gui::PrintFonts
