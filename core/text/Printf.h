#pragma once

#include <string>

namespace gridtally {

// printf into a string of whatever length the result needs: report rows are never cut.
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace gridtally
