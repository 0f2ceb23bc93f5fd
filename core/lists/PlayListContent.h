#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/lists/ListColumn.h"
#include "core/playcalls/PlayKind.h"
#include "core/playcalls/PlayRec.h"
#include "core/text/Csv.h"

namespace gridtally {

// The three play-call lists of a club.
enum class PlayListKind { Run, Pass, Defense };

// The columns of each list in their order; a header click names one by its index.
enum class RunColumn { Play, Calls, Yards, Average, Fumbles, Touchdowns, Points, Count };
enum class PassColumn {
    Play,
    CompletionsOfCalls,
    Yards,
    Average,
    Fumbles,
    Interceptions,
    Sacks,
    Touchdowns,
    Points,
    Count
};
enum class DefenseColumn {
    Play,
    RunsFaced,
    RunAverage,
    PassesFaced,
    PassAverage,
    Fumbles,
    Interceptions,
    Sacks,
    DefenseTouchdowns,
    OffenseTouchdowns,
    Count
};

// A share in whole percent as the lists show it ("66 %" for 2 of 3): truncated, not
// rounded; 0 of nothing is 0.
int Percent(std::int64_t part, std::int64_t whole);

// An average as the lists show it: one decimal, "%.1f".
std::string AverageText(double value);

// The kind of play call a list collects: run 0, pass 1, defense 3.
PlayKind PlayListPlayKind(PlayListKind list);

// The printed title: "<team> - Running Plays", "- Passing Plays" or "- Defensive Plays".
std::string PlayListTitle(PlayListKind list, std::string_view team);

// The list's columns, in the order of its column enum.
std::span<const ListColumn> PlayListColumns(PlayListKind list);

// The texts of one row, one per column, as the list shows and prints them.
std::vector<std::string> PlayListCells(PlayListKind list, const PlayRec& play);

// The list as a spreadsheet table, rows in the order given, every number a column of
// its own: the pass list's "8/11  (72 %)" is Cmp, Att and Pct, the defense list's
// "5/14" is Runs and Run Yds.
CsvTable PlayListTable(PlayListKind list, std::span<const PlayRec* const> rows);

// The list's sort comparison for a click on `column`: -1 when `a` goes before `b`, +1
// when after, 0 when the column does not tell them apart (or does not exist). Names sort
// ascending, numbers descending. The run list's "Avg" treats averages less than 1.0
// apart as equal, so this is not a strict weak ordering there: sort with
// SortPlayListRows, not std::sort.
int ComparePlayListRows(PlayListKind list, int column, const PlayRec& a, const PlayRec& b);

// Sorts rows as a click on `column` does. Stable, and well defined whatever the
// comparison's quirks.
void SortPlayListRows(PlayListKind list, int column, std::span<const PlayRec*> rows);

}  // namespace gridtally
