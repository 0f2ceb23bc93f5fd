#include <CLI/CLI.hpp>
#include <iostream>
#include <string>

#include "DumpCommand.h"

int main(int argc, char** argv) {
    CLI::App app{"Gridtally: statistics from Turfa football game logs"};
    app.require_subcommand(1);

    std::string logPath;
    CLI::App* dump = app.add_subcommand("dump", "Print the model read from a game log as JSON");
    dump->add_option("GAME.log", logPath, "Game log to read")->required();

    CLI11_PARSE(app, argc, argv);

    if (dump->parsed()) return gridtally::RunDump(logPath, std::cout, std::cerr);
    return 1;
}
