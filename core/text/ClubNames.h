#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gridtally {

// The clubs a name a user typed may mean: the club of exactly that name, else every club
// equal to it but for ASCII case. One match is the club meant; none or several leave
// the user to say which.
std::vector<std::string> ClubsNamed(std::string_view given, const std::vector<std::string>& clubs);

}  // namespace gridtally
