#pragma once

#include <string>
#include <vector>

#include "cli/CommandIo.h"
#include "core/game/PlayFilter.h"

namespace gridtally {

// Runs `export`: the games of the logs named (files, or folders of them) as an SQLite
// database at `outPath`, holding the plays the filter chooses with their credits and
// play calls. `outPath` is replaced as a Play DB is saved (through a link, the file it
// points to; never what is no regular file, a file the user may not write, or one of
// the logs), by a database written beside it once complete; on failure the old file is
// left as it was. Logs that cannot be read or are no game logs are reported and nothing
// is written.
int RunExport(const std::string& outPath, const std::vector<std::string>& paths,
              const PlayFilter& filter, Streams io);

}  // namespace gridtally
