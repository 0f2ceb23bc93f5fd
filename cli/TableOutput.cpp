#include "cli/TableOutput.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "core/text/Csv.h"
#include "core/text/Latin1.h"

namespace gridtally {
namespace {

using Json = nlohmann::ordered_json;

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

void MeasureRow(ColumnWidths& widths, const std::vector<std::string>& cells) {
    if (widths.size() < cells.size()) widths.resize(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        widths[i] = std::max(widths[i], CellWidth(cells[i]));
    }
}

TableWriter::TableWriter(std::ostream& out, TableFormat format, const DataTable& heading,
                         const ColumnWidths* aligned)
    : out_(out), format_(format), aligned_(format == TableFormat::Text ? aligned : nullptr) {
    std::vector<std::string> header;
    for (const DataColumn& column : heading.columns) {
        header.push_back(column.name);
        types_.push_back(column.type);
    }
    switch (format_) {
        case TableFormat::Csv:
            out_ << FormatCsvRecord(header);
            break;
        case TableFormat::Json: {
            // Compact, one row to a line: small for programs, still readable in a pager.
            Json columns = Json::array();
            for (const DataColumn& column : heading.columns) {
                columns.push_back({{"name", column.name}, {"type", TypeName(column.type)}});
            }
            out_ << "{\"title\":" << Json(Latin1ToUtf8(heading.title)).dump()
                 << ",\n\"columns\":" << columns.dump() << ",\n\"rows\":[";
            break;
        }
        default:
            Row(header);
            break;
    }
}

void TableWriter::Row(const std::vector<std::string>& cells) {
    switch (format_) {
        case TableFormat::Csv:
            out_ << FormatCsvRecord(cells);
            break;
        case TableFormat::Json: {
            Json row = Json::array();
            for (std::size_t i = 0; i < cells.size(); ++i) {
                row.push_back(Cell(cells[i], i < types_.size() ? types_[i] : ColumnType::Text));
            }
            out_ << (first_ ? "\n" : ",\n") << row.dump();
            break;
        }
        default: {
            std::string line;
            for (std::size_t i = 0; i < cells.size(); ++i) {
                if (i > 0 && !aligned_) line += '\t';
                if (i > 0 && aligned_)
                    line.append(2 + (*aligned_)[i - 1] - CellWidth(cells[i - 1]), ' ');
                line += CellToUtf8(cells[i]);
            }
            if (aligned_) {
                while (line.ends_with(' ')) line.pop_back();
            }
            out_ << line << '\n';
            break;
        }
    }
    first_ = false;
}

void TableWriter::Finish() {
    if (format_ == TableFormat::Json) out_ << "\n]}\n";
}

std::string FormatRows(const std::vector<std::string>& header,
                       const std::vector<std::vector<std::string>>& rows, bool aligned) {
    DataTable heading;
    for (const std::string& name : header) heading.columns.push_back({name, ColumnType::Text});
    return FormatTable(heading, rows, TableFormat::Text, aligned);
}

std::string FormatTable(const DataTable& heading, const std::vector<std::vector<std::string>>& rows,
                        TableFormat format, bool aligned) {
    ColumnWidths widths;
    if (aligned) {
        std::vector<std::string> header;
        for (const DataColumn& column : heading.columns) header.push_back(column.name);
        MeasureRow(widths, header);
        for (const auto& row : rows) MeasureRow(widths, row);
    }
    std::ostringstream out;
    TableWriter writer(out, format, heading, aligned ? &widths : nullptr);
    for (const auto& row : rows) writer.Row(row);
    writer.Finish();
    return out.str();
}

std::string FormatTable(const DataTable& table, TableFormat format, bool aligned) {
    return FormatTable(table, table.rows, format, aligned);
}

}  // namespace gridtally
