#pragma once

#include <string_view>

#include "core/game/GameLog.h"
#include "core/text/DataTable.h"

namespace gridtally {

// The play-by-play table: one row per play statement, in the columns scripts read.
DataTable EmptyPlayTable();

// Appends the plays of one game read with keepPlays. `game` names it in the first
// column; `fileBytes` are the bytes it was read from, for the statements' text.
void AppendPlayRows(DataTable& table, std::string_view game, const GameLog& log,
                    std::string_view fileBytes);

}  // namespace gridtally
