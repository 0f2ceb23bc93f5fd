#pragma once

#include <iosfwd>
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
// The same with the rows given apart from the title and columns of `heading`.
std::string FormatTable(const DataTable& heading, const std::vector<std::vector<std::string>>& rows,
                        TableFormat format, bool aligned);

// The width of each column of aligned text: its widest cell or header, in characters.
using ColumnWidths = std::vector<std::size_t>;
void MeasureRow(ColumnWidths& widths, const std::vector<std::string>& cells);

// Writes a table a row at a time in a format, as FormatTable would, so that a long table
// is never held whole. Aligned text takes the widths of every row, measured beforehand.
class TableWriter {
public:
    TableWriter(std::ostream& out, TableFormat format, const DataTable& heading,
                const ColumnWidths* aligned = nullptr);
    void Row(const std::vector<std::string>& cells);
    void Finish();

private:
    std::ostream& out_;
    TableFormat format_;
    std::vector<ColumnType> types_;
    const ColumnWidths* aligned_;
    bool first_ = true;
};

}  // namespace gridtally
