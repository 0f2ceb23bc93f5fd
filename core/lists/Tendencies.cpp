#include "core/lists/Tendencies.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace gridtally {
namespace {

constexpr std::array<ListColumn, ColumnIndex(TendencyColumn::Count)> kTendencyColumns{{
    {"Situation", 150, ColumnAlign::Left, 0, "down and yards to go"},
    {"Runs", 50, ColumnAlign::Left, 2500, "runs called"},
    {"Passes", 50, ColumnAlign::Left, 4000, "passes called"},
}};

constexpr std::array<std::string_view, 4> kDownTexts{"First and ", "Second and ", "Third and ",
                                                     "Fourth and "};

}  // namespace

std::string TendencyTitle(std::string_view team) { return std::string(team) + " - Tendencies"; }

std::span<const ListColumn> TendencyColumns() { return kTendencyColumns; }

std::vector<std::vector<std::string>> TendencyRows(const TeamTotals& totals) {
    return TendencyRows(&totals);
}

std::vector<std::vector<std::string>> TendencyRows(const TeamTotals* totals) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(kDownTexts.size() * (kDistanceBucketLabels.size() + 1));
    for (std::size_t down = 0; down < kDownTexts.size(); ++down) {
        for (std::size_t bucket = 0; bucket < kDistanceBucketLabels.size(); ++bucket) {
            std::string label =
                std::string(kDownTexts[down]) + std::string(kDistanceBucketLabels[bucket]);
            if (totals == nullptr) {
                rows.push_back({label, "", ""});
                continue;
            }
            const std::int32_t* count = totals->counts[down][bucket];
            rows.push_back({label, std::to_string(count[0]), std::to_string(count[1])});
        }
        // A blank, not an empty text: the separator is still a labelled row.
        rows.push_back({" ", "", ""});
    }
    return rows;
}

CsvTable TendencyTable(const TeamTotals* totals) {
    CsvTable table{{"Down", "Distance", "Runs", "Passes"}, {}};
    for (std::size_t down = 0; down < kDownTexts.size(); ++down) {
        for (std::size_t bucket = 0; bucket < kDistanceBucketNames.size(); ++bucket) {
            std::int32_t runs = totals ? totals->counts[down][bucket][0] : 0;
            std::int32_t passes = totals ? totals->counts[down][bucket][1] : 0;
            table.rows.push_back({std::to_string(down + 1),
                                  std::string(kDistanceBucketNames[bucket]), std::to_string(runs),
                                  std::to_string(passes)});
        }
    }
    return table;
}

}  // namespace gridtally
