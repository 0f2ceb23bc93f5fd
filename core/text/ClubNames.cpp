#include "core/text/ClubNames.h"

#include <algorithm>

#include "core/text/TextScan.h"

namespace gridtally {

std::vector<std::string> ClubsNamed(std::string_view given, const std::vector<std::string>& clubs) {
    if (std::find(clubs.begin(), clubs.end(), given) != clubs.end()) return {std::string(given)};
    std::vector<std::string> named;
    for (const std::string& club : clubs) {
        if (CompareNoCase(club, given) == 0 &&
            std::find(named.begin(), named.end(), club) == named.end()) {
            named.push_back(club);
        }
    }
    return named;
}

}  // namespace gridtally
