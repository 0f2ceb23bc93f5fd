#pragma once

#include "cli/CommandIo.h"

namespace gridtally {

// The whole program: parses the arguments and runs the command they name. Returns the
// exit status: 0 done, 1 a file could not be read or written or was not what it should
// be, 2 the arguments were not what the program expects (with a line saying what it
// expected instead).
int RunCommandLine(int argc, const char* const* argv, Streams io);

}  // namespace gridtally
