#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/parsers/Play.h"
#include "core/text/Failure.h"

namespace gridtally {

// Where the ball is, from the offense's view; a play whose yard line was not read is
// in no zone.
enum class FieldZone : std::uint8_t { Own, Midfield, Opponent, RedZone, GoalToGo };
// The offense's score against the defense's before the play.
enum class ScoreState : std::uint8_t { Leading, Tied, Trailing1To8, Trailing9Plus };

// Which plays count: each criterion a list of values, any of which will do; an empty
// list does not choose. Club names compare exactly.
struct PlayFilter {
    std::vector<std::string> offense;  // the club with the ball
    std::vector<std::string> defense;
    std::vector<std::string> opponent;    // either side of the play
    std::vector<std::int32_t> quarters;   // 1 to 4, 5 overtime
    std::vector<std::int32_t> downs;      // 1 to 4
    std::vector<std::int32_t> distances;  // distance buckets 0 to 3
    std::vector<FieldZone> zones;
    std::vector<ScoreState> scores;
    std::vector<PlayType> kinds;

    bool Empty() const;
    bool Accepts(const Play& play) const;
    // The filter in words for titles and footers, e.g. "down 3; zone red-zone"; empty
    // when it chooses nothing.
    std::string Describe() const;
};

// The values each criterion takes on the command line and in the windows.
enum class FilterCriterion { Quarter, Down, Distance, Zone, Score, Kind };
struct FilterValues {
    FilterCriterion criterion;
    std::string_view option;                // "--quarter"
    std::vector<std::string_view> allowed;  // "1", "2", ...
};
const std::vector<FilterValues>& FilterCriteria();

// Adds a comma list of values of one criterion to the filter. On a value it does not
// know it adds nothing and returns false, the failure's reason naming the values
// allowed.
bool AddFilterValues(PlayFilter& filter, FilterCriterion criterion, std::string_view commaList,
                     Failure* failure = nullptr);

// Adds one option of a filter as typed: a criterion's ("--down", "3,4") or a club's
// ("--offense", "--defense", "--opponent" with a name, UTF-8, kept as Latin-1). False,
// with the failure's reason saying why, for a value it does not take or an option that
// is none of a filter's. Every filter typed by a user is made through it.
bool AddFilterOption(PlayFilter& filter, std::string_view option, std::string_view typed,
                     Failure* failure = nullptr);

}  // namespace gridtally
