#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/CommandIo.h"
#include "cli/TableOutput.h"
#include "core/reports/GamePrintout.h"

namespace gridtally {

// One page a command prints: as printed (text) and as exported (CSV, JSON), with the
// club it is about ("" for a season's games).
struct OutputPage {
    std::string club;
    PrintoutPage printed;
    ExportPage exported;
    std::string filter;  // the filter in words, when one chose the plays
};

struct PageOptions {
    TableFormat format = TableFormat::Text;
    std::optional<std::string> outDir;  // one file per page there
    std::optional<std::string> page;    // only pages of this tab label
    bool bold = false;
};

// Whether `label` picks the page: its tab label or, for the last, "Tendencies" as a Play
// DB's tab names it; without regard to case.
bool PagePicked(const OutputPage& page, const std::string& label);

// Prints or writes the pages as the options ask. Returns the exit status: 2 for CSV of
// several pages on standard output or a --page that picks none, 1 when a file could not
// be written.
int WritePages(std::vector<OutputPage> pages, const PageOptions& options, Streams io);

// The export table with typed columns: a column whose cells are all integers (or
// empty) is an integer column, all numbers a decimal one, else text.
DataTable TypedTable(const ExportPage& page);

}  // namespace gridtally
