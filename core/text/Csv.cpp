#include "core/text/Csv.h"

#include <string_view>

#include "core/text/Latin1.h"
#include "core/text/TextScan.h"

namespace gridtally {
namespace {

// [+-]?[0-9]+(\.[0-9]+)?
bool IsPlainNumber(std::string_view text) {
    if (text.starts_with('+') || text.starts_with('-')) text.remove_prefix(1);
    auto digits = [&] {
        std::size_t n = 0;
        while (n < text.size() && IsDigit(text[n])) ++n;
        text.remove_prefix(n);
        return n > 0;
    };
    if (!digits()) return false;
    if (text.empty()) return true;
    if (text.front() != '.') return false;
    text.remove_prefix(1);
    return digits() && text.empty();
}

// The text a spreadsheet is given for a cell.
std::string SpreadsheetField(std::string_view cell) {
    std::string text = CellToUtf8(cell);
    constexpr std::string_view kFormulaStarts = "=+-@\t\r";
    if (!text.empty() && kFormulaStarts.find(text.front()) != std::string_view::npos &&
        !IsPlainNumber(text)) {
        text.insert(text.begin(), '\'');
    }
    return text;
}

void AppendField(std::string& out, std::string_view field) {
    std::string text = SpreadsheetField(field);
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void AppendRecord(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        AppendField(out, fields[i]);
    }
    out += "\r\n";
}

}  // namespace

std::string FormatCsv(const CsvTable& table) {
    std::string out;
    AppendRecord(out, table.header);
    for (const std::vector<std::string>& row : table.rows) AppendRecord(out, row);
    return out;
}

std::string FormatCsvRecord(const std::vector<std::string>& fields) {
    std::string out;
    AppendRecord(out, fields);
    return out;
}

std::string FormatTabSeparated(const std::vector<std::vector<std::string>>& rows) {
    std::string out;
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) out += '\t';
            std::string text = SpreadsheetField(row[i]);
            for (char& c : text) {
                if (c == '\t' || c == '\n' || c == '\r') c = ' ';
            }
            out += text;
        }
        out += '\n';
    }
    return out;
}

}  // namespace gridtally
