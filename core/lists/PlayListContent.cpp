#include "core/lists/PlayListContent.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "core/lists/StableSort.h"
#include "core/text/Printf.h"
#include "core/text/TextScan.h"

namespace gridtally {
namespace {

using Counter = std::int32_t PlayCallRec::*;

constexpr std::array<ListColumn, ColumnIndex(RunColumn::Count)> kRunColumns{{
    {"Play", 150, ColumnAlign::Left, 0, "the play called"},
    {"Calls", 50, ColumnAlign::Left, 4000, "times it was called"},
    {"Yards", 50, ColumnAlign::Left, 4700, "yards gained in all"},
    {"Avg", 50, ColumnAlign::Left, 5700, "yards per call"},
    {"Fumbles", 80, ColumnAlign::Left, 6800, "fumbles"},
    {"TD", 50, ColumnAlign::Left, 8500, "touchdowns"},
    {"Pts", 50, ColumnAlign::Left, 9500, "points scored"},
}};

constexpr std::array<ListColumn, ColumnIndex(PassColumn::Count)> kPassColumns{{
    {"Play", 150, ColumnAlign::Left, 0, "the play called"},
    {"Cmp/Att", 80, ColumnAlign::Left, 4000,
     "completions of the times called (completion percentage)"},
    {"Yards", 50, ColumnAlign::Left, 5500, "yards gained in all"},
    {"Avg", 50, ColumnAlign::Left, 6500, "yards per completion"},
    {"Fumbles", 60, ColumnAlign::Left, 7500, "fumbles"},
    {"Int", 40, ColumnAlign::Left, 9000, "interceptions thrown"},
    {"Sacks", 50, ColumnAlign::Left, 9700, "sacks taken"},
    {"TD", 30, ColumnAlign::Left, 10700, "touchdowns"},
    {"Pts", 30, ColumnAlign::Left, 11500, "points scored"},
}};

constexpr std::array<ListColumn, ColumnIndex(DefenseColumn::Count)> kDefenseColumns{{
    {"Play", 150, ColumnAlign::Left, 0, "the defense called"},
    {"vs Run", 50, ColumnAlign::Left, 4000, "runs faced / run yards allowed"},
    {"Avg", 50, ColumnAlign::Left, 5200, "run yards allowed per run"},
    {"vs Pass", 50, ColumnAlign::Left, 6000, "passes faced / pass yards allowed"},
    {"Avg", 50, ColumnAlign::Left, 7000, "pass yards allowed per pass"},
    {"Fumble", 50, ColumnAlign::Left, 7800, "fumbles forced"},
    {"Int", 30, ColumnAlign::Left, 8600, "interceptions"},
    {"Sacks", 50, ColumnAlign::Left, 9100, "sacks"},
    {"TD/Def", 50, ColumnAlign::Left, 9900, "touchdowns scored by the defense"},
    {"TD/Off", 90, ColumnAlign::Left, 10800, "touchdowns allowed to the offense"},
}};

// The counter each column sorts by; nullptr where the column sorts by the name or by an
// average.
constexpr std::array<Counter, ColumnIndex(RunColumn::Count)> kRunSortCounters{
    nullptr,
    &PlayCallRec::calls,
    &PlayCallRec::yards,
    nullptr,
    &PlayCallRec::fumbles,
    &PlayCallRec::touchdowns,
    &PlayCallRec::points,
};
constexpr std::array<Counter, ColumnIndex(PassColumn::Count)> kPassSortCounters{
    nullptr,
    &PlayCallRec::completions,
    &PlayCallRec::yards,
    nullptr,
    &PlayCallRec::fumbles,
    &PlayCallRec::interceptions,
    &PlayCallRec::sacks,
    &PlayCallRec::touchdowns,
    &PlayCallRec::points,
};
constexpr std::array<Counter, ColumnIndex(DefenseColumn::Count)> kDefenseSortCounters{
    nullptr,
    &PlayCallRec::runsFaced,
    nullptr,
    &PlayCallRec::passesFaced,
    nullptr,
    &PlayCallRec::fumbles,
    &PlayCallRec::interceptions,
    &PlayCallRec::sacks,
    &PlayCallRec::defTouchdowns,
    &PlayCallRec::touchdowns,
};

std::span<const Counter> SortCounters(PlayListKind list) {
    switch (list) {
        case PlayListKind::Run:
            return kRunSortCounters;
        case PlayListKind::Pass:
            return kPassSortCounters;
        case PlayListKind::Defense:
            break;
    }
    return kDefenseSortCounters;
}

template <typename T>
int Sign(T value) {
    return (value > T{}) - (value < T{});
}

std::string Count(std::int32_t value) { return std::to_string(value); }

std::string Average(double value) { return Printf("%.1f", value); }

std::string Pair(std::int32_t first, std::int32_t second) { return Printf("%d/%d", first, second); }

// A record with 0 calls only comes from a Play DB written elsewhere; it averages 0
// rather than dividing by zero.
double RunAverage(const PlayCallRec& r) {
    return r.calls != 0 ? static_cast<double>(r.yards) / r.calls : 0.0;
}

double PassAverage(const PlayCallRec& r) {
    return r.completions != 0 ? static_cast<double>(r.yards) / r.completions : 0.0;
}

double FacedAverage(std::int32_t yardsAllowed, std::int32_t faced) {
    return faced > 0 ? static_cast<double>(yardsAllowed) / faced : 0.0;
}

int CompletionPercent(const PlayCallRec& r) { return Percent(r.completions, r.calls); }

std::string CompletionsOfCalls(const PlayCallRec& r) {
    return Printf("%d/%d  (%-3d%%)", r.completions, r.calls, CompletionPercent(r));
}

// Columns whose order is not a plain counter's: the averages.
int CompareAverages(PlayListKind list, int column, const PlayCallRec& a, const PlayCallRec& b) {
    switch (list) {
        case PlayListKind::Run:
            // Truncated, so averages less than a yard apart are equal.
            return Sign(std::trunc(RunAverage(b) - RunAverage(a)));
        case PlayListKind::Pass:
            return Sign(static_cast<float>(PassAverage(b)) - static_cast<float>(PassAverage(a)));
        case PlayListKind::Defense:
            if (column == ColumnIndex(DefenseColumn::RunAverage)) {
                return Sign(FacedAverage(b.runYardsAllowed, b.runsFaced) -
                            FacedAverage(a.runYardsAllowed, a.runsFaced));
            }
            return Sign(FacedAverage(b.passYardsAllowed, b.passesFaced) -
                        FacedAverage(a.passYardsAllowed, a.passesFaced));
    }
    return 0;
}

}  // namespace

// Divided first, then multiplied, so 29 of 50 is 57: the quotient falls just below 0.58.
// Counters from a foreign file can push the percentage past what an int holds; it is
// held at the nearest int then.
int Percent(std::int64_t part, std::int64_t whole) {
    if (whole == 0) return 0;
    double percent = static_cast<double>(part) / static_cast<double>(whole) * 100.0;
    if (percent >= 2147483648.0) return std::numeric_limits<int>::max();
    if (percent <= -2147483649.0) return std::numeric_limits<int>::min();
    return static_cast<int>(percent);
}

std::string AverageText(double value) { return Average(value); }

PlayKind PlayListPlayKind(PlayListKind list) {
    switch (list) {
        case PlayListKind::Run:
            return PlayKind::Run;
        case PlayListKind::Pass:
            return PlayKind::Pass;
        case PlayListKind::Defense:
            break;
    }
    return PlayKind::Defense;
}

std::string PlayListTitle(PlayListKind list, std::string_view team) {
    std::string title(team);
    switch (list) {
        case PlayListKind::Run:
            return title + " - Running Plays";
        case PlayListKind::Pass:
            return title + " - Passing Plays";
        case PlayListKind::Defense:
            break;
    }
    return title + " - Defensive Plays";
}

std::span<const ListColumn> PlayListColumns(PlayListKind list) {
    switch (list) {
        case PlayListKind::Run:
            return kRunColumns;
        case PlayListKind::Pass:
            return kPassColumns;
        case PlayListKind::Defense:
            break;
    }
    return kDefenseColumns;
}

std::vector<std::string> PlayListCells(PlayListKind list, const PlayRec& play) {
    const PlayCallRec& r = play.results;
    std::string name = play.key.play.str();
    switch (list) {
        case PlayListKind::Run:
            return {name,
                    Count(r.calls),
                    Count(r.yards),
                    Average(RunAverage(r)),
                    Count(r.fumbles),
                    Count(r.touchdowns),
                    Count(r.points)};
        case PlayListKind::Pass:
            return {name,
                    CompletionsOfCalls(r),
                    Count(r.yards),
                    Average(PassAverage(r)),
                    Count(r.fumbles),
                    Count(r.interceptions),
                    Count(r.sacks),
                    Count(r.touchdowns),
                    Count(r.points)};
        case PlayListKind::Defense:
            break;
    }
    return {name,
            Pair(r.runsFaced, r.runYardsAllowed),
            Average(FacedAverage(r.runYardsAllowed, r.runsFaced)),
            Pair(r.passesFaced, r.passYardsAllowed),
            Average(FacedAverage(r.passYardsAllowed, r.passesFaced)),
            Count(r.fumbles),
            Count(r.interceptions),
            Count(r.sacks),
            Count(r.defTouchdowns),
            Count(r.touchdowns)};
}

CsvTable PlayListTable(PlayListKind list, std::span<const PlayRec* const> rows) {
    CsvTable table;
    switch (list) {
        case PlayListKind::Run:
            table.header = {"Play", "Calls", "Yards", "Avg", "Fumbles", "TD", "Pts"};
            break;
        case PlayListKind::Pass:
            table.header = {"Play",    "Cmp", "Att",   "Pct", "Yards", "Avg",
                            "Fumbles", "Int", "Sacks", "TD",  "Pts"};
            break;
        case PlayListKind::Defense:
            table.header = {"Play",     "Runs",   "Run Yds", "Run Avg", "Passes", "Pass Yds",
                            "Pass Avg", "Fumble", "Int",     "Sacks",   "TD/Def", "TD/Off"};
            break;
    }
    for (const PlayRec* play : rows) {
        const PlayCallRec& r = play->results;
        std::string name = play->key.play.str();
        switch (list) {
            case PlayListKind::Run:
                table.rows.push_back(PlayListCells(list, *play));
                break;
            case PlayListKind::Pass:
                table.rows.push_back(
                    {name, Count(r.completions), Count(r.calls), Count(CompletionPercent(r)),
                     Count(r.yards), Average(PassAverage(r)), Count(r.fumbles),
                     Count(r.interceptions), Count(r.sacks), Count(r.touchdowns), Count(r.points)});
                break;
            case PlayListKind::Defense:
                table.rows.push_back({name, Count(r.runsFaced), Count(r.runYardsAllowed),
                                      Average(FacedAverage(r.runYardsAllowed, r.runsFaced)),
                                      Count(r.passesFaced), Count(r.passYardsAllowed),
                                      Average(FacedAverage(r.passYardsAllowed, r.passesFaced)),
                                      Count(r.fumbles), Count(r.interceptions), Count(r.sacks),
                                      Count(r.defTouchdowns), Count(r.touchdowns)});
                break;
        }
    }
    return table;
}

int ComparePlayListRows(PlayListKind list, int column, const PlayRec& a, const PlayRec& b) {
    std::span<const Counter> counters = SortCounters(list);
    if (column < 0 || static_cast<std::size_t>(column) >= counters.size()) return 0;
    if (column == ColumnIndex(RunColumn::Play)) {  // the same first column in every list
        return CompareBytes(a.key.play.view(), b.key.play.view());
    }
    if (Counter counter = counters[static_cast<std::size_t>(column)]) {
        // In 64 bits: the 32-bit difference of two large counters overflows and flips.
        return Sign(static_cast<std::int64_t>(b.results.*counter) -
                    static_cast<std::int64_t>(a.results.*counter));
    }
    return CompareAverages(list, column, a.results, b.results);
}

void SortPlayListRows(PlayListKind list, int column, std::span<const PlayRec*> rows) {
    StableSort(rows, [&](const PlayRec* a, const PlayRec* b) {
        return ComparePlayListRows(list, column, *a, *b);
    });
}

}  // namespace gridtally
