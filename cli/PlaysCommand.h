#pragma once

#include <string>
#include <vector>

#include "cli/CommandIo.h"
#include "cli/TableOutput.h"
#include "core/game/PlayFilter.h"

namespace gridtally {

// Runs `plays`: the play-by-play table of the logs named, or found in the folders named as
// `season` finds them (the plays the filter chooses), in their order, on `out`. A file that cannot
// be read or is not a game log is named on `err` and left out, and the status is then 1. Text is
// aligned when `out` is a terminal.
int RunPlays(const std::vector<std::string>& paths, const PlayFilter& filter, TableFormat format,
             Streams io);

// Runs `drives`: one row per drive of the logs whose first play the filter chooses, read
// and reported as `plays` does.
int RunDrives(const std::vector<std::string>& paths, const PlayFilter& filter, TableFormat format,
              Streams io);

// Runs `ep-model`: the expected points fitted from every play of the logs, per cell.
int RunEpModel(const std::vector<std::string>& paths, TableFormat format, Streams io);

}  // namespace gridtally
