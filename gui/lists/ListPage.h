#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/lists/ListColumn.h"

namespace gridtally::gui {

class ListCtrl;

// Inserts the columns of a list. A column is at least as wide as its header, so that
// no header is cut where the system font is wider than the width the list asks for.
void InsertListColumns(ListCtrl& list, std::span<const ListColumn> columns);

// Appends a row of cell texts (Latin-1) that carries `record`; returns its index.
int AppendRow(ListCtrl& list, const std::vector<std::string>& cells,
              std::size_t record = static_cast<std::size_t>(-1));

}  // namespace gridtally::gui
