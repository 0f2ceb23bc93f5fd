#pragma once

#include <span>
#include <string>
#include <vector>

#include "lists/ListColumn.h"

namespace gridtally::gui {

class DeviceContext;
class ListCtrl;

// Inserts the columns of a list. A column is at least as wide as its header, so that
// no header is cut where the system font is wider than the width the list asks for.
void InsertListColumns(ListCtrl& list, std::span<const ListColumn> columns);

// Appends a row of cell texts (Latin-1) that carries `record`; returns its index.
int AppendRow(ListCtrl& list, const std::vector<std::string>& cells,
              std::size_t record = static_cast<std::size_t>(-1));

// Prints a list as one page in twips: the title, the column headers at their print
// positions, then every row in the list's current order, each cell as the list shows it.
// All rows go on the page; those below its end are lost. Returns the y below the last row.
int PrintListPage(DeviceContext& dc, const ListCtrl& list, std::span<const ListColumn> columns,
                  const std::string& title);

}  // namespace gridtally::gui
