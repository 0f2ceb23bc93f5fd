#include "core/text/Csv.h"

#include "core/text/Latin1.h"

namespace gridtally {
namespace {

void AppendField(std::string& out, std::string_view field) {
    std::string text = CellToUtf8(field);
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

std::string FormatTabSeparated(const std::vector<std::vector<std::string>>& rows) {
    std::string out;
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) out += '\t';
            std::string text = CellToUtf8(row[i]);
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
