#include "core/game/PlayFilter.h"

#include <algorithm>

#include "core/model/TeamTotals.h"
#include "core/text/Latin1.h"

namespace gridtally {
namespace {

template <typename T>
bool Allows(const std::vector<T>& list, const T& value) {
    return list.empty() || std::find(list.begin(), list.end(), value) != list.end();
}

bool InZone(const Play& play, FieldZone zone) {
    if (play.yardLine < 0) return false;
    switch (zone) {
        case FieldZone::Own:
            return play.yardLine < 40;
        case FieldZone::Midfield:
            return play.yardLine >= 40 && play.yardLine <= 60;
        case FieldZone::Opponent:
            return play.yardLine > 60;
        case FieldZone::RedZone:
            return play.yardLine >= 80;
        case FieldZone::GoalToGo:
            return play.down >= 1 && play.down <= 4 && play.toGo >= 100 - play.yardLine;
    }
    return false;
}

ScoreState ScoreOf(const Play& play) {
    std::int64_t lead = std::int64_t{play.offenseScore} - play.defenseScore;
    if (lead > 0) return ScoreState::Leading;
    if (lead == 0) return ScoreState::Tied;
    return lead >= -8 ? ScoreState::Trailing1To8 : ScoreState::Trailing9Plus;
}

const std::vector<std::string_view> kZoneNames{"own", "midfield", "opponent", "red-zone",
                                               "goal-to-go"};
const std::vector<std::string_view> kScoreNames{"leading", "tied", "trailing-1-8", "trailing-9+"};
const std::vector<std::string_view> kDistanceNames(kDistanceBucketNames.begin(),
                                                   kDistanceBucketNames.end());

std::string Joined(const std::vector<std::string_view>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return text;
}

}  // namespace

bool PlayFilter::Empty() const {
    return offense.empty() && defense.empty() && opponent.empty() && quarters.empty() &&
           downs.empty() && distances.empty() && zones.empty() && scores.empty() && kinds.empty();
}

bool PlayFilter::Accepts(const Play& play) const {
    if (!Allows(offense, play.offense) || !Allows(defense, play.defense)) return false;
    if (!opponent.empty() && !Allows(opponent, play.offense) && !Allows(opponent, play.defense)) {
        return false;
    }
    if (!Allows(quarters, play.quarter) || !Allows(downs, play.down)) return false;
    if (!distances.empty() &&
        (play.down < 1 || play.down > 4 || !Allows(distances, distanceBucket(play.toGo)))) {
        return false;
    }
    if (!zones.empty() && std::none_of(zones.begin(), zones.end(),
                                       [&](FieldZone zone) { return InZone(play, zone); })) {
        return false;
    }
    return Allows(scores, ScoreOf(play)) && Allows(kinds, play.type);
}

std::string PlayFilter::Describe() const {
    std::vector<std::string> parts;
    auto add = [&](std::string_view name, const auto& values, auto show) {
        if (values.empty()) return;
        std::string part(name);
        part += ' ';
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0) part += ',';
            part += show(values[i]);
        }
        parts.push_back(std::move(part));
    };
    auto text = [](const std::string& value) { return value; };
    auto number = [](std::int32_t value) { return std::to_string(value); };
    add("offense", offense, text);
    add("defense", defense, text);
    add("opponent", opponent, text);
    add("quarter", quarters,
        [](std::int32_t q) { return q == 5 ? std::string("OT") : std::to_string(q); });
    add("down", downs, number);
    add("distance", distances,
        [](std::int32_t b) { return std::string(kDistanceNames[static_cast<std::size_t>(b)]); });
    add("zone", zones,
        [](FieldZone z) { return std::string(kZoneNames[static_cast<std::size_t>(z)]); });
    add("score", scores,
        [](ScoreState s) { return std::string(kScoreNames[static_cast<std::size_t>(s)]); });
    add("kind", kinds, [](PlayType t) { return std::string(PlayTypeName(t)); });
    std::string described;
    for (std::size_t i = 0; i < parts.size(); ++i) described += (i > 0 ? "; " : "") + parts[i];
    return described;
}

const std::vector<FilterValues>& FilterCriteria() {
    static const std::vector<FilterValues> criteria{
        {FilterCriterion::Quarter, "--quarter", {"1", "2", "3", "4", "5"}},
        {FilterCriterion::Down, "--down", {"1", "2", "3", "4"}},
        {FilterCriterion::Distance, "--distance", kDistanceNames},
        {FilterCriterion::Zone, "--zone", kZoneNames},
        {FilterCriterion::Score, "--score", kScoreNames},
        {FilterCriterion::Kind, "--kind",
         std::vector<std::string_view>(kPlayTypeNames.begin(), kPlayTypeNames.end())},
    };
    return criteria;
}

bool AddFilterValues(PlayFilter& filter, FilterCriterion criterion, std::string_view commaList,
                     Failure* failure) {
    const FilterValues& values =
        *std::find_if(FilterCriteria().begin(), FilterCriteria().end(),
                      [&](const FilterValues& entry) { return entry.criterion == criterion; });
    std::vector<std::int32_t> chosen;
    while (true) {
        std::size_t comma = commaList.find(',');
        std::string_view value = commaList.substr(0, comma);
        auto at = std::find(values.allowed.begin(), values.allowed.end(), value);
        if (at == values.allowed.end()) {
            if (failure) {
                failure->reason = std::string(values.option) + ": \"" + std::string(value) +
                                  "\" is not one of " + Joined(values.allowed);
            }
            return false;
        }
        chosen.push_back(static_cast<std::int32_t>(at - values.allowed.begin()));
        if (comma == std::string_view::npos) break;
        commaList.remove_prefix(comma + 1);
    }
    for (std::int32_t index : chosen) {
        switch (criterion) {
            case FilterCriterion::Quarter:
                filter.quarters.push_back(index + 1);
                break;
            case FilterCriterion::Down:
                filter.downs.push_back(index + 1);
                break;
            case FilterCriterion::Distance:
                filter.distances.push_back(index);
                break;
            case FilterCriterion::Zone:
                filter.zones.push_back(static_cast<FieldZone>(index));
                break;
            case FilterCriterion::Score:
                filter.scores.push_back(static_cast<ScoreState>(index));
                break;
            case FilterCriterion::Kind:
                filter.kinds.push_back(static_cast<PlayType>(index));
                break;
        }
    }
    return true;
}

bool AddFilterOption(PlayFilter& filter, std::string_view option, std::string_view typed,
                     Failure* failure) {
    for (const FilterValues& values : FilterCriteria()) {
        if (values.option == option)
            return AddFilterValues(filter, values.criterion, typed, failure);
    }
    std::vector<std::string>* clubs = option == "--offense"    ? &filter.offense
                                      : option == "--defense"  ? &filter.defense
                                      : option == "--opponent" ? &filter.opponent
                                                               : nullptr;
    if (!clubs) {
        if (failure) failure->reason = std::string(option) + ": no such filter";
        return false;
    }
    std::optional<std::string> club = Latin1Argument(option, typed, failure);
    if (club) clubs->push_back(*club);
    return club.has_value();
}

}  // namespace gridtally
