#pragma once

#include <string>
#include <string_view>

namespace gridtally {

// Why a path that names a FIFO, a device, a socket or a folder is not read.
inline constexpr std::string_view kNotARegularFile = "not a regular file";

// Reads a whole regular file as bytes. Anything else is refused before it is read (a
// FIFO would wait for a writer, a device may never end). On failure `error` says why
// (the system's reason text, or kNotARegularFile) and the result is false.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string* error);

}  // namespace gridtally
