#include "cli/TableOutput.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <nlohmann/json.hpp>

#include "core/text/Latin1.h"

namespace gridtally {
namespace {

using Json = nlohmann::ordered_json;

std::string JoinWithTabs(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += '\t';
        line += CellToUtf8(cells[i]);
    }
    return line;
}

Json Cell(const std::string& cell, ColumnType type) {
    if (cell.empty()) return nullptr;
    if (type == ColumnType::Integer) {
        std::int64_t value = 0;
        auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
        if (error == std::errc() && end == cell.data() + cell.size()) return value;
    } else if (type == ColumnType::Decimal) {
        double value = 0;
        auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
        if (error == std::errc() && end == cell.data() + cell.size()) return value;
    }
    return CellToUtf8(cell);
}

std::string_view TypeName(ColumnType type) {
    switch (type) {
        case ColumnType::Integer:
            return "integer";
        case ColumnType::Decimal:
            return "number";
        default:
            return "string";
    }
}

}  // namespace

std::optional<TableFormat> ParseTableFormat(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "text") return TableFormat::Text;
    if (lower == "csv") return TableFormat::Csv;
    if (lower == "json") return TableFormat::Json;
    return std::nullopt;
}

std::string FormatRows(const std::vector<std::string>& header,
                       const std::vector<std::vector<std::string>>& rows, bool aligned) {
    std::string out;
    auto appendLine = [&](std::string_view utf8) {
        out += utf8;
        out += '\n';
    };
    if (!aligned) {
        appendLine(JoinWithTabs(header));
        for (const auto& row : rows) appendLine(JoinWithTabs(row));
        return out;
    }
    std::vector<std::size_t> widths;
    auto measure = [&](const std::vector<std::string>& cells) {
        if (widths.size() < cells.size()) widths.resize(cells.size());
        for (std::size_t i = 0; i < cells.size(); ++i) {
            widths[i] = std::max(widths[i], CellWidth(cells[i]));
        }
    };
    measure(header);
    for (const auto& row : rows) measure(row);
    auto append = [&](const std::vector<std::string>& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) line.append(2 + widths[i - 1] - CellWidth(cells[i - 1]), ' ');
            line += CellToUtf8(cells[i]);
        }
        while (line.ends_with(' ')) line.pop_back();
        appendLine(line);
    };
    append(header);
    for (const auto& row : rows) append(row);
    return out;
}

std::string FormatTable(const DataTable& table, TableFormat format, bool aligned) {
    switch (format) {
        case TableFormat::Csv:
            return FormatCsv(table.ToCsv());
        case TableFormat::Json: {
            // Compact, one row to a line: small for programs, still readable in a pager.
            Json columns = Json::array();
            for (const DataColumn& column : table.columns) {
                columns.push_back({{"name", column.name}, {"type", TypeName(column.type)}});
            }
            std::string out = "{\"title\":" + Json(Latin1ToUtf8(table.title)).dump() +
                              ",\n\"columns\":" + columns.dump() + ",\n\"rows\":[";
            for (std::size_t r = 0; r < table.rows.size(); ++r) {
                const std::vector<std::string>& row = table.rows[r];
                Json cells = Json::array();
                for (std::size_t i = 0; i < row.size(); ++i) {
                    ColumnType type =
                        i < table.columns.size() ? table.columns[i].type : ColumnType::Text;
                    cells.push_back(Cell(row[i], type));
                }
                out += (r == 0 ? "\n" : ",\n") + cells.dump();
            }
            out += "\n]}\n";
            return out;
        }
        case TableFormat::Text:
        default: {
            std::vector<std::string> header;
            for (const DataColumn& column : table.columns) header.push_back(column.name);
            return FormatRows(header, table.rows, aligned);
        }
    }
}

}  // namespace gridtally
