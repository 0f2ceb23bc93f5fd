#pragma once

#include <string_view>

namespace gridtally {

// Whether a list in a game window must take its club from its tab again: its name is
// still unset, or one of the placeholder labels as written here, in small letters. So
// a name once found, "Team 1" while the tab still had it included, stays for good: the
// game answers to "Team 1" and "Team 2" as well as to the clubs' names.
constexpr bool ListTeamNeedsResolving(std::string_view teamName) {
    return teamName.empty() || teamName == "team 1" || teamName == "team 2";
}

}  // namespace gridtally
