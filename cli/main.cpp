#include <unistd.h>

#include <CLI/CLI.hpp>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "DbCommand.h"
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

    CLI::App* db = app.add_subcommand("db", "Build and read a Play DB (*.pdb) over many games");
    db->require_subcommand(1);
    std::string dbPath;
    std::vector<std::string> dbLogs;
    std::vector<std::string> dbTeams;
    std::string dbTeam;
    CLI::App* dbAdd = db->add_subcommand("add", "Add game logs (creates the DB if needed)");
    dbAdd->add_option("DB.pdb", dbPath, "Play DB file")->required();
    dbAdd->add_option("LOG", dbLogs, "Game logs, added in this order")->required();
    CLI::App* dbDump = db->add_subcommand("dump", "Print the DB's records as JSON");
    dbDump->add_option("DB.pdb", dbPath, "Play DB file")->required();
    CLI::App* dbTeamsCommand = db->add_subcommand("teams", "List the DB's teams");
    dbTeamsCommand->add_option("DB.pdb", dbPath, "Play DB file")->required();
    CLI::App* dbShow = db->add_subcommand("show", "Print a team's play calls and tendencies");
    dbShow->add_option("DB.pdb", dbPath, "Play DB file")->required();
    dbShow->add_option("TEAM", dbTeam, "Team name")->required();
    CLI::App* dbDelete = db->add_subcommand("delete-team", "Remove teams from the DB");
    dbDelete->add_option("DB.pdb", dbPath, "Play DB file")->required();
    dbDelete->add_option("TEAM", dbTeams, "Team names")->required();

    CLI11_PARSE(app, argc, argv);

    gridtally::DbStreams io{std::cout, std::cerr, isatty(STDERR_FILENO) == 1};
    if (dbAdd->parsed()) return gridtally::RunDbAdd(dbPath, dbLogs, io);
    if (dbDump->parsed()) return gridtally::RunDbDump(dbPath, io);
    if (dbTeamsCommand->parsed()) return gridtally::RunDbTeams(dbPath, io);
    if (dbShow->parsed()) return gridtally::RunDbShow(dbPath, dbTeam, io);
    if (dbDelete->parsed()) return gridtally::RunDbDeleteTeams(dbPath, dbTeams, io);

    if (dump->parsed()) return gridtally::RunDump(logPath, std::cout, std::cerr);
    if (report->parsed()) {
        bool useBold = bold || (!plain && isatty(STDOUT_FILENO) == 1);
        return gridtally::RunReport(reportPath, team, useBold, std::cout, std::cerr);
    }
    return 1;
}
