#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/CommandIo.h"
#include "cli/PageOutput.h"
#include "core/game/PlayFilter.h"

namespace gridtally {

class Season;

// The filter options as typed: comma lists per criterion, and club names (UTF-8).
struct FilterArguments {
    std::vector<std::pair<FilterCriterion, std::string>> lists;
    std::vector<std::string> offense;
    std::vector<std::string> defense;
    std::vector<std::string> opponent;
};

// The filter the options make, or nothing after a message on `err` naming the values
// allowed (exit status 2).
std::optional<PlayFilter> MakeFilter(const FilterArguments& arguments, std::ostream& err);

// Gives the filter's clubs the names the season's logs give them (`clubs`); false after
// a message when one names no club or several (exit status 2).
bool ResolveFilterClubs(PlayFilter& filter, const std::vector<std::string>& clubs,
                        std::ostream& err);

// A page's titles under a filter: "Blizzard - Passing Plays - down 3; zone red-zone".
void TitleWithFilter(OutputPage& page, const PlayFilter& filter);

// Reads the logs of a season, naming on `err` every file that could not be read or is no
// game log: the others are read all the same (Partly). NoGame when there was no game at
// all, which is said when no file was named for it.
enum class SeasonRead { Whole, Partly, NoGame };
SeasonRead ReadSeason(Season& season, const std::vector<std::string>& paths, std::ostream& err);

// Runs `season`: the games page, then each club's seven pages (or only `team`'s) summed
// over the plays the filter chooses. Logs that could not be read leave their games out
// and the status 1.
int RunSeason(const std::vector<std::string>& paths, const std::optional<std::string>& team,
              const PlayFilter& filter, const PageOptions& options, Streams io);

}  // namespace gridtally
