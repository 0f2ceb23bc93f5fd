#pragma once

#include <string>
#include <vector>

#include "cli/CommandIo.h"
#include "core/game/PlayFilter.h"

namespace gridtally {

// Runs `export`: the games of the logs named (files, or folders of them) as an SQLite
// database at `outPath`, holding the plays the filter chooses with their credits and
// play calls. The database is written beside `outPath` and replaces it only when
// complete; on failure the old file is left as it was. Logs that cannot be read, or
// named files that are no game logs, are reported and nothing is written.
int RunExport(const std::string& outPath, const std::vector<std::string>& paths,
              const PlayFilter& filter, Streams io);

}  // namespace gridtally
