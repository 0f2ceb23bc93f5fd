#pragma once

#include <string>
#include <string_view>

namespace gridtally {

// Every column of the team lists is left-aligned; the other values are there for views
// that want them.
enum class ColumnAlign { Left, Right, Center };

// One column of a team list: its header, its width on screen in pixels, its alignment,
// its x position on the printed page in twips, and what its header means in words.
struct ListColumn {
    std::string_view header;
    int width;
    ColumnAlign align;
    int printX;
    std::string_view meaning;
};

// What a header tells when the mouse rests on it: "TD: touchdowns"; empty for a column
// without a meaning.
inline std::string ColumnTip(const ListColumn& column) {
    if (column.meaning.empty()) return {};
    return std::string(column.header) + ": " + std::string(column.meaning);
}

// The index of a column enumerator, as a header click or a cell vector counts columns.
template <typename Column>
constexpr int ColumnIndex(Column column) {
    return static_cast<int>(column);
}

}  // namespace gridtally
