#pragma once

// What the fuzz targets share: a fixed-order view of a Play DB's records, its
// comparison, and the abort that turns a broken property into a finding.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "core/lists/PlayListContent.h"
#include "core/lists/StableSort.h"
#include "core/lists/Tendencies.h"
#include "core/playcalls/PlayCallRec.h"
#include "core/playcalls/PlayModel.h"
#include "core/playdb/PlayDB.h"
#include "core/playdb/PlayDBFile.h"

namespace gridtally::fuzz {

// Names are Latin-1 and may hold any byte: shown escaped so a message stays one line.
inline std::string Shown(std::string_view text) {
    std::string shown;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            shown += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            shown += escape;
        }
    }
    return shown;
}

[[noreturn]] inline void Fail(const std::string& what) {
    std::fprintf(stderr, "\n*** PROPERTY FAILED: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

using CallCounters = std::array<std::int32_t, kPlayCallCounterFields.size()>;
using TeamCounts = std::array<std::int32_t, 32>;

// A DB's records by key and by club name: the table's own order means nothing.
struct DbRecords {
    std::map<std::string, CallCounters> calls;
    std::map<std::string, std::pair<std::string, TeamCounts>> teams;  // map key -> name, counts
};

inline DbRecords RecordsOf(const PlayDB& db) {
    DbRecords records;
    for (const auto& [key, record] : db.playCalls.records()) {
        CallCounters& counters = records.calls[key];
        for (std::size_t i = 0; i < counters.size(); ++i) {
            counters[i] = (*record).*kPlayCallCounterFields[i].member;
        }
    }
    for (const auto& [name, totals] : db.teamTotals) {
        TeamCounts counts{};
        std::copy(&totals->counts[0][0][0], &totals->counts[0][0][0] + counts.size(),
                  counts.begin());
        records.teams[name] = {totals->name.str(), counts};
    }
    return records;
}

// Aborts naming the first record that is missing, extra or different.
inline void RequireSameCalls(const DbRecords& expected, const DbRecords& got, const char* what) {
    for (const auto& [key, counters] : expected.calls) {
        auto it = got.calls.find(key);
        if (it == got.calls.end()) Fail(std::string(what) + ": play call lost: " + Shown(key));
        for (std::size_t i = 0; i < counters.size(); ++i) {
            if (it->second[i] != counters[i]) {
                Fail(std::string(what) + ": play call " + Shown(key) + ": " +
                     std::string(kPlayCallCounterFields[i].name) + " " +
                     std::to_string(counters[i]) + " became " + std::to_string(it->second[i]));
            }
        }
    }
    for (const auto& [key, counters] : got.calls) {
        if (!expected.calls.contains(key))
            Fail(std::string(what) + ": play call appeared: " + Shown(key));
    }
}

inline void RequireSameTeams(const DbRecords& expected, const DbRecords& got, const char* what) {
    for (const auto& [key, team] : expected.teams) {
        auto it = got.teams.find(key);
        if (it == got.teams.end()) Fail(std::string(what) + ": team record lost: " + Shown(key));
        if (it->second.first != team.first) {
            Fail(std::string(what) + ": team " + Shown(key) + " renamed " +
                 Shown(it->second.first));
        }
        if (it->second.second != team.second)
            Fail(std::string(what) + ": team " + Shown(key) + ": counts changed");
    }
    for (const auto& [key, team] : got.teams) {
        if (!expected.teams.contains(key))
            Fail(std::string(what) + ": team record appeared: " + Shown(key));
    }
}

// What a Play DB file keeps of a DB's play calls: each key as it reads back (the file
// keeps 63 bytes of a club name and 64 of a play name), records cut to one key summed.
inline DbRecords StoredRecords(const PlayDB& db) {
    DbRecords stored;
    stored.teams = RecordsOf(db).teams;
    for (const auto& [keyText, record] : db.playCalls.records()) {
        PlayCallKey key;
        SplitKeyText(keyText, key);
        auto [it, added] = stored.calls.try_emplace(BuildKeyText(key));
        for (std::size_t i = 0; i < it->second.size(); ++i) {
            std::int32_t& counter = it->second[i];
            counter = static_cast<std::int32_t>(
                static_cast<std::uint32_t>(counter) +
                static_cast<std::uint32_t>((*record).*kPlayCallCounterFields[i].member));
        }
    }
    return stored;
}

// Saves `db` to memory and loads the bytes again: they load cleanly, one record for each
// key the file keeps, and hold what the DB held, records cut to one key summed; a second
// save changes nothing.
inline void RequireRoundTrip(const PlayDB& db) {
    PlayDB reloaded;
    PlayDBLoadReport report = LoadPlayDB(SerializePlayDB(db), reloaded);
    if (!report.Clean()) Fail("the saved DB does not load cleanly: " + DescribeLoadReport(report));
    DbRecords expected = StoredRecords(db);
    if (static_cast<std::size_t>(report.playCallRecords) != expected.calls.size() ||
        static_cast<std::size_t>(report.teamRecords) != db.teamTotals.size()) {
        Fail("saved " + std::to_string(expected.calls.size()) + " play-call and " +
             std::to_string(db.teamTotals.size()) + " team records, reloaded " +
             DescribeLoadReport(report));
    }
    DbRecords after = RecordsOf(reloaded);
    RequireSameTeams(expected, after, "saved and reloaded");
    RequireSameCalls(expected, after, "saved and reloaded");
    PlayDB again;
    LoadPlayDB(SerializePlayDB(reloaded), again);
    RequireSameCalls(after, RecordsOf(again), "saved and reloaded twice");
}

// Sorts rows by every column and checks each comparison that is an order kept its rows
// in it; every row has a cell per column.
template <typename Row, typename Compare, typename Cells>
void SortByEveryColumn(std::vector<const Row*> rows, std::size_t columns, int unorderedColumn,
                       Compare compare, Cells cells, const std::string& list) {
    for (const Row* row : rows) {
        if (cells(*row).size() != columns) Fail(list + ": a row without a cell per column");
    }
    for (int column = 0; column < static_cast<int>(columns); ++column) {
        StableSort(std::span<const Row*>(rows),
                   [&](const Row* a, const Row* b) { return compare(column, *a, *b); });
        if (column == unorderedColumn) continue;
        for (std::size_t i = 1; i < rows.size(); ++i) {
            if (compare(column, *rows[i - 1], *rows[i]) > 0) {
                Fail(list + ": rows out of order after a sort by column " + std::to_string(column));
            }
        }
    }
}

// The three play-call lists and the tendencies of a club, as a window shows them in every
// sort order.
inline void ExercisePlayLists(PlayModel& model, std::string_view label) {
    for (PlayListKind list : {PlayListKind::Run, PlayListKind::Pass, PlayListKind::Defense}) {
        std::vector<std::unique_ptr<PlayRec>> plays;
        model.CollectPlayCalls(PlayListPlayKind(list), label, plays);
        std::vector<const PlayRec*> rows;
        for (const auto& play : plays) rows.push_back(play.get());
        // The run list's average treats close values as equal: no order to check there.
        int unordered = list == PlayListKind::Run ? ColumnIndex(RunColumn::Average) : -1;
        SortByEveryColumn(
            rows, PlayListColumns(list).size(), unordered,
            [list](int column, const PlayRec& a, const PlayRec& b) {
                return ComparePlayListRows(list, column, a, b);
            },
            [list](const PlayRec& play) { return PlayListCells(list, play); },
            PlayListTitle(list, Shown(label)));
    }
    if (TendencyRows(model.FindTeamTotals(label)).size() != 20) Fail("tendencies: not 20 rows");
}

}  // namespace gridtally::fuzz
