#pragma once

#include <string>
#include <string_view>

namespace gridtally {

// Logs are 8-bit text; every byte is taken as the Latin-1 code point of its value.
std::string Latin1ToUtf8(std::string_view latin1);

// UTF-8 typed by a user, as the Latin-1 bytes that names in logs are made of. A
// character beyond Latin-1 becomes '?'; bytes that are not UTF-8 are kept as they are.
std::string Utf8ToLatin1(std::string_view utf8);

}  // namespace gridtally
