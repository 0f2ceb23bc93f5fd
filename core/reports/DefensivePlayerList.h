#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/lists/ListColumn.h"
#include "core/text/Csv.h"

namespace gridtally {

struct PlayerRec;

enum class DPlayerColumn {
    Name,
    Position,
    Tackles,
    Sacks,
    Knockdowns,
    Interceptions,
    InterceptionYards,
    FumbleRecoveries,
    Count
};

// The columns of a club's defensive player list, in the order of DPlayerColumn.
std::span<const ListColumn> DPlayerColumns();
// The same and a last column "G" of games played, for a season's list.
std::span<const ListColumn> DPlayerColumnsWithGames();

// The printed title: "<team> - Defensive player stats".
std::string DPlayerTitle(std::string_view team);

// One text per column: name, position, then the counters as "%d".
std::vector<std::string> DPlayerCells(const PlayerRec& player);

// The list as a spreadsheet table, rows in the order given: the same columns.
CsvTable DPlayerTable(std::span<const PlayerRec* const> rows);

// How a header click orders two rows: names and positions ascending by unsigned
// bytes, counters descending. Negative when `a` comes first.
int CompareDPlayers(int column, const PlayerRec& a, const PlayerRec& b);

}  // namespace gridtally
