#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/lists/ListColumn.h"
#include "core/model/TeamTotals.h"
#include "core/text/Csv.h"

namespace gridtally {

// The printed title: "<team> - Tendencies".
std::string TendencyTitle(std::string_view team);

enum class TendencyColumn { Situation, Runs, Passes, Count };

// "Situation", "Runs", "Passes".
std::span<const ListColumn> TendencyColumns();

// The 20 rows of the play calling by down and distance, each one text per column: per
// down four rows "First and 0-1" .. "First and 10 +" with the run and pass counts, then
// a separator whose label is a single blank and whose counts are empty.
std::vector<std::vector<std::string>> TendencyRows(const TeamTotals& totals);

// The same rows for a club without TeamTotals (nullptr): the labels with empty counts.
std::vector<std::vector<std::string>> TendencyRows(const TeamTotals* totals);

// The tendencies as a spreadsheet table: Down (1-4), Distance ("0-1", "2-5", "6-10",
// "10+"), Runs and Passes, sixteen rows, no separators. No totals give counts of 0.
CsvTable TendencyTable(const TeamTotals* totals);

}  // namespace gridtally
