#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/CommandIo.h"
#include "cli/PageOutput.h"
#include "core/game/PlayFilter.h"
#include "core/reports/GamePrintout.h"

namespace gridtally {

struct PrintoutStyle {
    bool bold = false;     // bold report lines in ANSI bold
    bool columns = false;  // list pages aligned into columns, for a terminal
};

// The printout as plain text, UTF-8: per page its title line and its body, pages
// separated by a line holding only a form feed. Report lines show "[B]" as three
// blanks, or, with `bold`, as blanks with the line in ANSI bold; list pages are a TAB
// joined header line and one TAB joined line per row, or with `columns` each column
// padded to its widest cell and two blanks between columns.
std::string FormatPrintout(const std::vector<PrintoutPage>& pages, PrintoutStyle style);

// Runs `report` on a file: the whole game, or only the club named `team` (UTF-8).
// Returns the exit status; messages go to `err`, and list pages are aligned when `out`
// is a terminal.
int RunReport(const std::string& path, const std::optional<std::string>& team,
              const PlayFilter& filter, const PageOptions& options, Streams io);

}  // namespace gridtally
