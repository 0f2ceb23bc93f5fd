#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gridtally {

// A file to read as a game log.
struct LogPath {
    std::string path;
    std::string error;  // why the folder it stands for could not be listed; else empty
};

// Whether an entry of a folder is read as a game log: its name ends in ".log", in any
// case. Other files kept beside the logs (notes, exports, pictures) are not.
bool IsGameLogName(std::string_view name);

// The files `paths` name, in order. A file named stands for itself, whatever its name
// or kind; a folder for its entries with game log names, in byte order of the names.
// Entries are not looked at: a symbolic link stands for what it points to, and what is
// no regular file is for the reading to refuse. A folder that cannot be listed stands
// for itself, with the reason.
std::vector<LogPath> ExpandLogPaths(const std::vector<std::string>& paths);

}  // namespace gridtally
