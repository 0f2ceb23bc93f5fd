#include "core/reports/DefensivePlayerList.h"

#include <array>
#include <cstdint>

#include "core/model/PlayerRec.h"
#include "core/text/TextScan.h"

namespace gridtally {
namespace {

constexpr std::array<ListColumn, ColumnIndex(DPlayerColumn::Count)> kColumns{{
    {"Name", 100, ColumnAlign::Left, 0, "the player's name"},
    {"Pos", 50, ColumnAlign::Left, 2500, "position"},
    {"Tackles", 50, ColumnAlign::Left, 3200, "tackles"},
    {"Sacks", 50, ColumnAlign::Left, 4200, "sacks"},
    {"Knockdowns", 90, ColumnAlign::Left, 5300, "passes knocked down"},
    {"Ints", 30, ColumnAlign::Left, 7000, "interceptions"},
    {"Int Yds", 50, ColumnAlign::Left, 8000, "interception return yards"},
    {"Fumble Rec", 90, ColumnAlign::Left, 9500, "fumbles recovered"},
}};

// The counters of the columns from Tackles on.
constexpr int kFirstCounter = ColumnIndex(DPlayerColumn::Tackles);
constexpr std::array<std::int32_t PlayerRec::*, ColumnIndex(DPlayerColumn::Count) - kFirstCounter>
    kCounters{
        &PlayerRec::tackles,           &PlayerRec::sacks,
        &PlayerRec::knockdowns,        &PlayerRec::interceptions,
        &PlayerRec::interceptionYards, &PlayerRec::fumbleRecoveries,
    };

}  // namespace

std::span<const ListColumn> DPlayerColumns() { return kColumns; }

std::span<const ListColumn> DPlayerColumnsWithGames() {
    static const auto columns = [] {
        std::array<ListColumn, kColumns.size() + 1> all{};
        std::copy(kColumns.begin(), kColumns.end(), all.begin());
        all.back() = {"G", 30, ColumnAlign::Left, 10800, "games played"};
        return all;
    }();
    return columns;
}

std::string DPlayerTitle(std::string_view team) {
    return std::string(team) + " - Defensive player stats";
}

std::vector<std::string> DPlayerCells(const PlayerRec& player) {
    std::vector<std::string> cells{player.name.str(), player.position.str()};
    for (auto counter : kCounters) cells.push_back(std::to_string(player.*counter));
    return cells;
}

CsvTable DPlayerTable(std::span<const PlayerRec* const> rows) {
    CsvTable table;
    for (const ListColumn& column : kColumns) table.header.emplace_back(column.header);
    for (const PlayerRec* player : rows) table.rows.push_back(DPlayerCells(*player));
    return table;
}

int CompareDPlayers(int column, const PlayerRec& a, const PlayerRec& b) {
    if (column == ColumnIndex(DPlayerColumn::Name)) return CompareBytes(a.name, b.name);
    if (column == ColumnIndex(DPlayerColumn::Position)) return CompareBytes(a.position, b.position);
    if (column < kFirstCounter || column >= ColumnIndex(DPlayerColumn::Count)) return 0;
    auto counter = kCounters[static_cast<std::size_t>(column - kFirstCounter)];
    // Larger first. Wide arithmetic: the difference of two counters may not fit 32 bits.
    std::int64_t difference = std::int64_t{b.*counter} - std::int64_t{a.*counter};
    return difference < 0 ? -1 : difference > 0 ? 1 : 0;
}

}  // namespace gridtally
