#include <unistd.h>

#include <iostream>

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    gridtally::Streams io{std::cout, std::cerr, isatty(STDOUT_FILENO) == 1,
                          isatty(STDERR_FILENO) == 1};
    return gridtally::RunCommandLine(argc, argv, io);
}
