#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "core/lists/PlayListContent.h"
#include "core/lists/StableSort.h"
#include "core/lists/Tendencies.h"
#include "core/reports/DefensivePlayerList.h"

namespace gridtally {
namespace {

PlayRec Play(const char* name) {
    PlayRec play;
    play.key.play = name;
    return play;
}

using R = PlayCallRec;

PlayCallRec Rec(int PlayCallRec::*first, int firstValue, int PlayCallRec::*second = nullptr,
                int secondValue = 0) {
    PlayCallRec r;
    r.*first = firstValue;
    if (second) r.*second = secondValue;
    return r;
}

TEST(PlayListCells, CompletionPercentIsTruncatedAfterDividing) {
    struct Case {
        int completions;
        int calls;
        const char* text;
    };
    for (Case c :
         {Case{7, 10, "7/10  (70 %)"}, Case{2, 3, "2/3  (66 %)"}, Case{29, 50, "29/50  (57 %)"},
          Case{1, 20, "1/20  (5  %)"}, Case{10, 10, "10/10  (100%)"}, Case{0, 4, "0/4  (0  %)"},
          Case{0, 0, "0/0  (0  %)"}, Case{INT_MAX, 1, "2147483647/1  (2147483647%)"}}) {
        PlayRec play = Play("Slant");
        play.results.completions = c.completions;
        play.results.calls = c.calls;
        EXPECT_EQ(PlayListCells(PlayListKind::Pass, play)[1], c.text)
            << c.completions << " of " << c.calls;
    }
}

TEST(PlayListCells, AveragesShowZeroWhereTheirDivisorIsZero) {
    struct Case {
        PlayListKind list;
        PlayCallRec counters;
        int column;
        const char* text;
    };
    const PlayCallRec nickel = Rec(&R::passesFaced, 4, &R::passYardsAllowed, 30);
    for (const Case& c : {
             Case{PlayListKind::Run, Rec(&R::yards, -3, &R::calls, 2), 3, "-1.5"},
             Case{PlayListKind::Run, Rec(&R::yards, 12), 3, "0.0"},  // 0 calls: a foreign file
             Case{PlayListKind::Pass, Rec(&R::yards, -7, &R::calls, 5), 3, "0.0"},
             Case{PlayListKind::Defense, nickel, 1, "0/0"},
             Case{PlayListKind::Defense, nickel, 2, "0.0"},
             Case{PlayListKind::Defense, nickel, 3, "4/30"},
             Case{PlayListKind::Defense, nickel, 4, "7.5"},
             Case{PlayListKind::Defense, Rec(&R::runsFaced, -2, &R::runYardsAllowed, 10), 2, "0.0"},
         }) {
        PlayRec play = Play("Dive");
        play.results = c.counters;
        EXPECT_EQ(PlayListCells(c.list, play)[c.column], c.text) << c.column;
    }
}

// Every counter distinct, so a cell that reads the wrong counter shows.
TEST(PlayListCells, EachColumnShowsItsOwnCounter) {
    PlayRec play = Play("Counter Trey");
    PlayCallRec& r = play.results;
    r.yards = 40;
    r.calls = 8;
    r.completions = 5;
    r.sacks = 3;
    r.fumbles = 2;
    r.interceptions = 1;
    r.touchdowns = 6;
    r.defTouchdowns = 9;
    r.points = 42;
    r.runsFaced = 11;
    r.passesFaced = 12;
    r.runYardsAllowed = 33;
    r.passYardsAllowed = 30;

    struct Case {
        PlayListKind list;
        std::vector<std::string> cells;
    };
    for (const Case& c : {
             Case{PlayListKind::Run, {"Counter Trey", "8", "40", "5.0", "2", "6", "42"}},
             Case{PlayListKind::Pass,
                  {"Counter Trey", "5/8  (62 %)", "40", "8.0", "2", "1", "3", "6", "42"}},
             Case{PlayListKind::Defense,
                  {"Counter Trey", "11/33", "3.0", "12/30", "2.5", "2", "1", "3", "9", "6"}},
         }) {
        EXPECT_EQ(PlayListCells(c.list, play), c.cells);
        EXPECT_EQ(PlayListColumns(c.list).size(), c.cells.size());
    }
}

struct CompareCase {
    const char* what;
    PlayListKind list;
    int column;
    PlayCallRec a;
    PlayCallRec b;
    int expected;
};

TEST(ComparePlayListRows, OrdersAsTheListColumnsDo) {
    const PlayListKind run = PlayListKind::Run;
    const PlayListKind pass = PlayListKind::Pass;
    const PlayListKind def = PlayListKind::Defense;
    const std::vector<CompareCase> cases = {
        {"more calls first", run, 1, Rec(&R::calls, 3), Rec(&R::calls, 5), 1},
        {"counter difference past 32 bits", run, 2, Rec(&R::yards, INT_MIN),
         Rec(&R::yards, INT_MAX), 1},
        {"run avg 4.9 and 4.2 are equal", run, 3, Rec(&R::yards, 49, &R::calls, 10),
         Rec(&R::yards, 42, &R::calls, 10), 0},
        {"run avg 5.0 before 3.9", run, 3, Rec(&R::yards, 50, &R::calls, 10),
         Rec(&R::yards, 39, &R::calls, 10), -1},
        {"run avg 1.0 apart differ", run, 3, Rec(&R::yards, 2, &R::calls, 1),
         Rec(&R::yards, 3, &R::calls, 1), 1},
        {"run avg -0.9 and 0 are equal", run, 3, Rec(&R::yards, -9, &R::calls, 10), R{}, 0},
        {"zero calls sorts as 0 against 0.5", run, 3, Rec(&R::yards, 12),
         Rec(&R::yards, 1, &R::calls, 2), 0},
        {"zero calls sorts as 0 against 2.0", run, 3, Rec(&R::yards, 12),
         Rec(&R::yards, 2, &R::calls, 1), 1},
        {"run list points", run, 6, Rec(&R::points, 7), Rec(&R::points, 6), -1},
        {"cmp/att by completions, not percentage", pass, 1, Rec(&R::completions, 5, &R::calls, 5),
         Rec(&R::completions, 6, &R::calls, 20), 1},
        {"pass avg 0.1 apart differ", pass, 3, Rec(&R::yards, 41, &R::completions, 10),
         Rec(&R::yards, 42, &R::completions, 10), 1},
        {"pass avg equal in single precision", pass, 3,
         Rec(&R::yards, 16777217, &R::completions, 1), Rec(&R::yards, 16777216, &R::completions, 1),
         0},
        {"no completion averages 0", pass, 3, Rec(&R::yards, 10),
         Rec(&R::yards, -5, &R::completions, 1), -1},
        {"def by runs faced", def, 1, Rec(&R::runsFaced, 2, &R::runYardsAllowed, 90),
         Rec(&R::runsFaced, 3), 1},
        {"def run avg 0.5 apart differ", def, 2, Rec(&R::runsFaced, 2, &R::runYardsAllowed, 9),
         Rec(&R::runsFaced, 2, &R::runYardsAllowed, 8), -1},
        {"def by passes faced", def, 3, Rec(&R::passesFaced, 4), Rec(&R::passesFaced, 1), -1},
        {"never faced a pass averages 0", def, 4, Rec(&R::passYardsAllowed, 50),
         Rec(&R::passesFaced, 1, &R::passYardsAllowed, 3), 1},
        {"def td/def", def, 8, Rec(&R::defTouchdowns, 1), Rec(&R::touchdowns, 5), -1},
        {"run list has 7 columns", run, 7, Rec(&R::calls, 1), Rec(&R::calls, 9), 0},
        {"pass list has 9 columns", pass, 9, Rec(&R::calls, 1), Rec(&R::calls, 9), 0},
        {"def list has 10 columns", def, 10, Rec(&R::calls, 1), Rec(&R::calls, 9), 0},
        {"negative column", def, -1, Rec(&R::calls, 1), Rec(&R::calls, 9), 0},
    };
    for (const CompareCase& c : cases) {
        PlayRec a = Play("A");
        PlayRec b = Play("A");
        a.results = c.a;
        b.results = c.b;
        EXPECT_EQ(ComparePlayListRows(c.list, c.column, a, b), c.expected) << c.what;
    }
}

TEST(ComparePlayListRows, NamesAscendByUnsignedBytes) {
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    for (Case c : {Case{"Dive", "Sweep", -1}, Case{"Sweep", "Dive", 1}, Case{"Dive", "Dive", 0},
                   Case{"Dive", "Dive Left", -1}, Case{"dive", "Dive", 1},
                   Case{"\xC9"
                        "cran",
                        "Zone", 1},
                   Case{"", "A", -1}}) {
        for (PlayListKind list : {PlayListKind::Run, PlayListKind::Pass, PlayListKind::Defense}) {
            EXPECT_EQ(ComparePlayListRows(list, 0, Play(c.a), Play(c.b)), c.expected)
                << c.a << " vs " << c.b;
        }
    }
}

std::vector<std::string> Names(const std::vector<const PlayRec*>& rows) {
    std::vector<std::string> names;
    for (const PlayRec* row : rows) names.push_back(row->key.play.str());
    return names;
}

TEST(SortPlayListRows, SortsStablyAndTheSameOnEveryClick) {
    std::vector<PlayRec> plays;
    for (auto [name, calls, yards] :
         {std::tuple{"Sweep", 2, 9}, std::tuple{"Dive", 5, 21}, std::tuple{"Trap", 2, 3},
          std::tuple{"Draw", 7, 30}, std::tuple{"Option", 2, 11}}) {
        PlayRec p = Play(name);
        p.results.calls = calls;
        p.results.yards = yards;
        plays.push_back(p);
    }
    std::vector<const PlayRec*> rows;
    for (const PlayRec& p : plays) rows.push_back(&p);

    SortPlayListRows(PlayListKind::Run, 1, rows);
    const std::vector<std::string> byCalls = {"Draw", "Dive", "Sweep", "Trap", "Option"};
    EXPECT_EQ(Names(rows), byCalls);
    SortPlayListRows(PlayListKind::Run, 1, rows);
    EXPECT_EQ(Names(rows), byCalls);

    SortPlayListRows(PlayListKind::Run, 0, rows);
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"Dive", "Draw", "Option", "Sweep", "Trap"}));

    // Averages 4.2, 4.3, 5.5, 4.5 and 1.5: Option is more than a yard above Dive and
    // moves ahead, Trap falls behind, and the rows within a yard of each other keep
    // their order.
    SortPlayListRows(PlayListKind::Run, 3, rows);
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"Option", "Dive", "Draw", "Sweep", "Trap"}));
}

// The season's pages of cells (games, plays) order a column alike: numbers from the
// largest, text by its bytes, an empty cell last, and a cell that is no number never
// stops the sort.
TEST(SortedByCells, NumbersDownTextUpEmptyLastAndStable) {
    const std::vector<std::string> numbers{"3", "", "-2", "12", "3", "1:05", "n/a", "1.50"};
    EXPECT_EQ(SortedByCells(numbers, false), (std::vector<std::size_t>{3, 0, 4, 7, 5, 2, 6, 1}));
    const std::vector<std::string> names{"b", "", "B", "a", "\xE9"};
    EXPECT_EQ(SortedByCells(names, true), (std::vector<std::size_t>{2, 3, 0, 4, 1}));
}

// Every header of every list says in words what it counts, as "Int: interceptions".
TEST(ListColumns, EveryHeaderTellsItsMeaning) {
    for (std::span<const ListColumn> columns :
         {PlayListColumns(PlayListKind::Run), PlayListColumns(PlayListKind::Pass),
          PlayListColumns(PlayListKind::Defense), TendencyColumns(), DPlayerColumnsWithGames()}) {
        for (const ListColumn& column : columns) {
            std::string tip = ColumnTip(column);
            SCOPED_TRACE(tip);
            EXPECT_EQ(tip.substr(0, column.header.size() + 2), std::string(column.header) + ": ");
            EXPECT_GT(tip.size(), column.header.size() + 2);
        }
    }
    EXPECT_EQ(ColumnTip(PlayListColumns(PlayListKind::Run)[ColumnIndex(RunColumn::Touchdowns)]),
              "TD: touchdowns");
    EXPECT_EQ(ColumnTip(ListColumn{"Text", 100, ColumnAlign::Left, 0, {}}), "");
}

}  // namespace
}  // namespace gridtally
