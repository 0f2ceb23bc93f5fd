#pragma once

#include <string>
#include <string_view>

namespace gridtally {

// Logs are 8-bit text; every byte is taken as the Latin-1 code point of its value.
std::string Latin1ToUtf8(std::string_view latin1);

}  // namespace gridtally
