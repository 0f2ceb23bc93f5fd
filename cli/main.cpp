#include <unistd.h>

#include <CLI/CLI.hpp>
#include <iostream>
#include <optional>
#include <string>

#include "DumpCommand.h"
#include "ReportCommand.h"

int main(int argc, char** argv) {
    CLI::App app{"Gridtally: statistics from Turfa football game logs"};
    app.require_subcommand(1);

    std::string logPath;
    CLI::App* dump = app.add_subcommand("dump", "Print the model read from a game log as JSON");
    dump->add_option("GAME.log", logPath, "Game log to read")->required();

    std::string reportPath;
    std::optional<std::string> team;
    bool bold = false;
    bool plain = false;
    CLI::App* report =
        app.add_subcommand("report", "Print the game printout (all its pages) as plain text");
    report->add_option("GAME.log", reportPath, "Game log to read")->required();
    report->add_option("--team", team, "Only the pages of this club");
    report->add_flag("--bold", bold, "Show bold lines in ANSI bold (the default on a terminal)");
    report->add_flag("--plain", plain, "Never use ANSI bold")->excludes("--bold");

    CLI11_PARSE(app, argc, argv);

    if (dump->parsed()) return gridtally::RunDump(logPath, std::cout, std::cerr);
    if (report->parsed()) {
        bool useBold = bold || (!plain && isatty(STDOUT_FILENO) == 1);
        return gridtally::RunReport(reportPath, team, useBold, std::cout, std::cerr);
    }
    return 1;
}
