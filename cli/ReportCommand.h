#pragma once

#include <optional>
#include <string>
#include <vector>

#include "CommandIo.h"
#include "reports/GamePrintout.h"

namespace gridtally {

// The printout as plain text, UTF-8: per page its title line and its body, pages
// separated by a line holding only a form feed. Report lines show "[B]" as three
// blanks, or, with `bold`, as blanks with the line in ANSI bold; list pages are a TAB
// joined header line and one TAB joined line per row.
std::string FormatPrintout(const std::vector<PrintoutPage>& pages, bool bold);

// Runs `report` on a file: the whole game, or only the club named `team` (UTF-8).
// Returns the exit status; messages go to `err`.
int RunReport(const std::string& path, const std::optional<std::string>& team, bool bold,
              Streams io);

}  // namespace gridtally
