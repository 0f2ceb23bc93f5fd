#pragma once

#include <string>
#include <vector>

namespace gridtally {

// A table as a spreadsheet takes it: a header row and rows of fields, numbers written
// as plain numbers. Fields are cells (Latin-1 text, see CellToUtf8), as everything read
// from a log is.
struct CsvTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// Both formats keep a spreadsheet from running a name as a formula: a field that begins
// with '=', '+', '-', '@', a tab or a CR and is not a number ("-3", "+4.5") gets a
// leading "'", which spreadsheets take as "this is text" and do not show.

// The table as RFC 4180 text in UTF-8: fields holding a comma, a quote or a line break
// are quoted (quotes doubled), records end in CR LF, the header comes first.
std::string FormatCsv(const CsvTable& table);
// One record of it, with its CR LF.
std::string FormatCsvRecord(const std::vector<std::string>& fields);

// The same rows as tab-separated text, one line each (LF), as spreadsheets paste them;
// tabs and line breaks inside a field become blanks.
std::string FormatTabSeparated(const std::vector<std::vector<std::string>>& rows);

}  // namespace gridtally
