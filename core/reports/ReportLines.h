#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gridtally {

// The lines of a report, in order. A line that begins with "[B]" is shown bold, with
// those three characters shown as blanks so that its columns stay where they are.
using ReportLines = std::vector<std::string>;

inline constexpr std::string_view kBoldMarker = "[B]";

inline bool IsBoldLine(std::string_view line) { return line.starts_with(kBoldMarker); }

// The line as shown: a bold marker becomes three blanks.
inline std::string ShownLine(std::string_view line) {
    std::string shown(line);
    if (IsBoldLine(line)) shown.replace(0, kBoldMarker.size(), "   ");
    return shown;
}

}  // namespace gridtally
