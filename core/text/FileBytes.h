#pragma once

#include <string>

namespace gridtally {

// Reads a whole file as bytes. On failure `error` says why (the system's reason
// text) and the result is false.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string* error);

}  // namespace gridtally
