#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/DataTable.h"

namespace gridtally {

// The formats a table goes out in.
enum class TableFormat { Text, Csv, Json };
inline constexpr std::string_view kTableFormats = "text, csv or json";
// The format a --format value names (without regard to case), or nothing.
std::optional<TableFormat> ParseTableFormat(std::string_view name);

// Header and rows as lines of UTF-8 text: with `aligned` each column padded to its
// widest cell and two blanks between columns (trailing blanks dropped), as `ls` lines
// up names; otherwise the cells joined by TABs.
std::string FormatRows(const std::vector<std::string>& header,
                       const std::vector<std::vector<std::string>>& rows, bool aligned);

// The whole table in a format: text (its header first, no title), CSV (RFC 4180, header
// first), or JSON: {"title", "columns": [{"name", "type"}], "rows": [[...]]} with
// integers as numbers and empty cells as null, one row to a line.
std::string FormatTable(const DataTable& table, TableFormat format, bool aligned);

}  // namespace gridtally
