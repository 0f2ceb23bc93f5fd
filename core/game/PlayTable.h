#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/game/GameLog.h"
#include "core/game/PlayMeasures.h"
#include "core/text/DataTable.h"

namespace gridtally {

// The play-by-play table: one row per play statement, in the columns scripts read.
DataTable EmptyPlayTable();

// A column of the table in words, for people ("yard_line" is "Yard line"); the names
// stay for scripts.
std::string_view PlayColumnWords(std::string_view name);
// The game clock as the log shows it: 754 seconds is "12:34"; empty stays empty.
std::string ClockText(std::string_view seconds);
// What a column of the play table holds, in words ("to_go": "yards to go for a first
// down"); empty for a name that is no column.
std::string_view PlayColumnMeaning(std::string_view column);

// One play's row; `text` is its statement's text, empty when the file is not at hand,
// and its measures (drive, yards gained, ..., EPA) are empty without `measure`.
std::vector<std::string> PlayRowCells(
    std::string_view game, const GamePlays& plays, const Play& play,
    const std::function<std::string(std::int32_t place)>& playerName, std::string text,
    const PlayMeasure* measure = nullptr);

// Appends the plays of one game read with keepPlays. `game` names it in the first
// column; `fileBytes` are the bytes it was read from, for the statements' text.
void AppendPlayRows(DataTable& table, std::string_view game, const GameLog& log,
                    std::string_view fileBytes);

// The same from a game's table alone: `playerName` names a roster place, and the text
// column stays empty without the file's bytes.
void AppendPlayRows(DataTable& table, std::string_view game, const GamePlays& plays,
                    const std::function<std::string(std::int32_t place)>& playerName,
                    std::string_view fileBytes = {});

}  // namespace gridtally
