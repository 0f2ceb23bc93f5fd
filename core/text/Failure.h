#pragma once

#include <string>

namespace gridtally {

// Why something could not be done with a file: the core's one kind of error. A
// function that can fail returns false and fills a Failure when given one.
struct Failure {
    std::string path;         // the file concerned; empty when none is
    std::string reason;       // the system's reason, or what was wrong with the file
    bool unreadable = false;  // the file could not be read at all
};

}  // namespace gridtally
