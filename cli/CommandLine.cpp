#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "cli/DbCommand.h"
#include "cli/DumpCommand.h"
#include "cli/ExportCommand.h"
#include "cli/PlaysCommand.h"
#include "cli/ReportCommand.h"
#include "cli/SeasonCommand.h"

namespace gridtally {
namespace {

// CLI11 names a missing argument by its label alone ("GAME.log is required"); a user
// is told what is wanted there instead.
class Expectations {
public:
    void Argument(CLI::Option* option, std::string expected) {
        option->required();
        Value(option, std::move(expected));
    }
    void Value(CLI::Option* option, std::string expected) {
        arguments_[option] = std::move(expected);
    }
    void Command(CLI::App* app, std::string expected) {
        app->require_subcommand(1);
        commands_[app] = std::move(expected);
    }

    // What was expected where parsing stopped, or CLI11's own message.
    std::string Explain(const CLI::App& deepest, const CLI::ParseError& error) const {
        std::string_view what = error.what();
        for (const CLI::Option* option : deepest.get_options()) {
            auto it = arguments_.find(option);
            if (it == arguments_.end()) continue;
            bool missing = dynamic_cast<const CLI::RequiredError*>(&error) != nullptr &&
                           option->get_required() && option->count() == 0;
            bool noValue = dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr &&
                           what.starts_with(option->get_name() + ":");
            if (missing || noValue) return it->second;
        }
        auto it = commands_.find(&deepest);
        if (it != commands_.end() && deepest.get_subcommands().empty()) {
            std::vector<std::string> rest = deepest.remaining();
            return rest.empty() ? it->second : it->second + " (not \"" + rest.front() + "\")";
        }
        return std::string(what);
    }

private:
    std::map<const CLI::Option*, std::string> arguments_;
    std::map<const CLI::App*, std::string> commands_;
};

// The innermost command that was named, e.g. "db add".
const CLI::App& Deepest(const CLI::App& app) {
    const CLI::App* deepest = &app;
    while (!deepest->get_subcommands().empty()) deepest = deepest->get_subcommands().back();
    return *deepest;
}

std::string CommandPath(const CLI::App& app) {
    std::string path;
    for (const CLI::App* at = &app; at->get_parent() != nullptr; at = at->get_parent()) {
        path = at->get_name() + (path.empty() ? "" : " " + path);
    }
    return path;
}

// The options that choose plays, on every command that sums them.
void AddFilterOptions(CLI::App* command, FilterArguments& filter, Expectations& expect) {
    for (const FilterValues& values : FilterCriteria()) {
        std::string allowed;
        for (std::size_t i = 0; i < values.allowed.size(); ++i) {
            allowed += (i > 0 ? "," : "") + std::string(values.allowed[i]);
        }
        FilterCriterion criterion = values.criterion;
        std::string option(values.option);
        expect.Value(command
                         ->add_option_function<std::vector<std::string>>(
                             option,
                             [&filter, criterion](const std::vector<std::string>& lists) {
                                 for (const std::string& list : lists) {
                                     filter.lists.emplace_back(criterion, list);
                                 }
                             },
                             "Only plays of these (a comma list of " + allowed + ")")
                         ->allow_extra_args(false),
                     "expected values after " + option + ": " + allowed);
    }
    for (auto [option, names, help] :
         {std::tuple{"--offense", &filter.offense, "Only plays of this club's offense"},
          std::tuple{"--defense", &filter.defense, "Only plays against this club's defense"},
          std::tuple{"--opponent", &filter.opponent, "Only plays of games against this club"}}) {
        expect.Value(command->add_option(option, *names, help)->allow_extra_args(false),
                     std::string("expected the name of a club after ") + option);
    }
}

// --format, and for paged output --out and --page.
void AddOutputOptions(CLI::App* command, std::string& format, std::optional<std::string>* outDir,
                      std::optional<std::string>* page, Expectations& expect) {
    expect.Value(command->add_option("--format", format, "text (the default), csv or json"),
                 "expected a format after --format: " + std::string(kTableFormats));
    if (outDir) {
        expect.Value(
            command->add_option("--out", *outDir, "Write one file per page in this folder"),
            "expected a folder after --out");
    }
    if (page) {
        expect.Value(command->add_option("--page", *page,
                                         "Only the pages of this tab label, e.g. \"Run Plays\""),
                     "expected a tab label after --page, e.g. \"Run Plays\"");
    }
}

}  // namespace

int RunCommandLine(int argc, const char* const* argv, Streams io) {
    CLI::App app{"Gridtally: statistics from Turfa football game logs", "gridtally-cli"};
    app.set_version_flag("--version", "gridtally-cli " GRIDTALLY_VERSION);
    Expectations expect;
    expect.Command(
        &app, "expected a command: dump, report, plays, drives, ep-model, season, export or db");
    const std::string gameLog = "expected the path of a game log (GAME.log)";
    const std::string playDb = "expected the path of a Play DB (DB.pdb)";

    std::string logPath;
    CLI::App* dump = app.add_subcommand("dump", "Print the model read from a game log as JSON");
    expect.Argument(dump->add_option("GAME.log", logPath, "Game log to read"), gameLog);

    std::optional<std::string> team;
    bool bold = false;
    bool plain = false;
    CLI::App* report =
        app.add_subcommand("report", "Print the game printout (all its pages) as plain text");
    expect.Argument(report->add_option("GAME.log", logPath, "Game log to read"), gameLog);
    expect.Value(report->add_option("--team", team, "Only the pages of this club"),
                 "expected the name of a club after --team");
    report->add_flag("--bold", bold, "Show bold lines in ANSI bold (the default on a terminal)");
    report->add_flag("--plain", plain, "Never use ANSI bold")->excludes("--bold");
    FilterArguments filterArguments;
    std::string formatName = "text";
    std::optional<std::string> outDir;
    std::optional<std::string> pageLabel;
    AddFilterOptions(report, filterArguments, expect);
    AddOutputOptions(report, formatName, &outDir, &pageLabel, expect);

    std::vector<std::string> playLogs;
    CLI::App* plays = app.add_subcommand(
        "plays", "Print every play of game logs with its situation and result, one per row");
    expect.Argument(plays->add_option("GAME.log", playLogs,
                                      "Game logs, or folders whose game logs are read, in order"),
                    "expected one or more game logs (GAME.log...)");
    AddOutputOptions(plays, formatName, nullptr, nullptr, expect);
    AddFilterOptions(plays, filterArguments, expect);

    // A command over logs and folders that prints one table.
    auto tableCommand = [&](const char* name, const char* help, std::vector<std::string>& paths) {
        CLI::App* command = app.add_subcommand(name, help);
        expect.Argument(
            command->add_option("PATH", paths, "Game logs, or folders whose game logs are read"),
            "expected one or more game logs or folders (PATH...)");
        AddOutputOptions(command, formatName, nullptr, nullptr, expect);
        return command;
    };
    std::vector<std::string> drivePaths;
    CLI::App* drives = tableCommand(
        "drives", "Print every drive of game logs with where it began and how it ended",
        drivePaths);
    AddFilterOptions(drives, filterArguments, expect);
    std::vector<std::string> modelPaths;
    CLI::App* epModel = tableCommand(
        "ep-model",
        "Print the expected points fitted from game logs, per down, distance and yard line",
        modelPaths);

    std::vector<std::string> seasonPaths;
    CLI::App* season = app.add_subcommand(
        "season", "Print the pages of clubs summed over many games, in any situation");
    expect.Argument(
        season->add_option("PATH", seasonPaths, "Game logs, or folders whose game logs are read"),
        "expected one or more game logs or folders (PATH...)");
    expect.Value(season->add_option("--team", team, "Only the pages of this club"),
                 "expected the name of a club after --team");
    season->add_flag("--bold", bold, "Show bold lines in ANSI bold (the default on a terminal)");
    season->add_flag("--plain", plain, "Never use ANSI bold")->excludes("--bold");
    AddFilterOptions(season, filterArguments, expect);
    AddOutputOptions(season, formatName, &outDir, &pageLabel, expect);

    std::string exportPath;
    std::vector<std::string> exportPaths;
    CLI::App* exportCommand = app.add_subcommand(
        "export", "Write a season's games, players, plays and credits as an SQLite database");
    expect.Argument(exportCommand->add_option("OUT.sqlite", exportPath, "Database to write"),
                    "expected the path of the database to write (OUT.sqlite)");
    expect.Argument(exportCommand->add_option("PATH", exportPaths,
                                              "Game logs, or folders whose game logs are read"),
                    "expected one or more game logs or folders after the database (PATH...)");
    AddFilterOptions(exportCommand, filterArguments, expect);

    CLI::App* db = app.add_subcommand("db", "Build and read a Play DB (*.pdb) over many games");
    expect.Command(db, "expected a command: add, dump, teams, show or delete-team");
    std::string dbPath;
    std::vector<std::string> dbLogs;
    std::vector<std::string> dbTeams;
    std::string dbTeam;
    bool keepGoing = false;
    bool force = false;
    const char* forceHelp = "Print what could be read of a damaged file (and exit 0)";
    auto dbArgument = [&](CLI::App* command) {
        expect.Argument(command->add_option("DB.pdb", dbPath, "Play DB file"), playDb);
    };

    CLI::App* dbAdd = db->add_subcommand("add", "Add game logs (creates the DB if needed)");
    dbArgument(dbAdd);
    expect.Argument(dbAdd->add_option("LOG", dbLogs, "Game logs, added in this order"),
                    "expected one or more game logs after the Play DB (LOG...)");
    dbAdd->add_flag("--keep-going", keepGoing,
                    "Save the logs that could be added even when others could not (exit 1)");
    CLI::App* dbDump = db->add_subcommand("dump", "Print the DB's records as JSON");
    dbArgument(dbDump);
    dbDump->add_flag("--force", force, forceHelp);
    CLI::App* dbTeamsCommand = db->add_subcommand("teams", "List the DB's teams");
    dbArgument(dbTeamsCommand);
    dbTeamsCommand->add_flag("--force", force, forceHelp);
    CLI::App* dbShow = db->add_subcommand("show", "Print a team's play calls and tendencies");
    dbArgument(dbShow);
    expect.Argument(dbShow->add_option("TEAM", dbTeam, "Team name"),
                    "expected a team name after the Play DB (TEAM)");
    dbShow->add_flag("--force", force, forceHelp);
    AddOutputOptions(dbShow, formatName, &outDir, &pageLabel, expect);
    CLI::App* dbDelete = db->add_subcommand("delete-team", "Remove teams from the DB");
    dbArgument(dbDelete);
    expect.Argument(dbDelete->add_option("TEAM", dbTeams, "Team names"),
                    "expected one or more team names after the Play DB (TEAM...)");
    dbDelete->add_flag("--keep-going", keepGoing,
                       "Delete the teams the DB holds even when others are not in it (exit 1)");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
            return app.exit(error, io.out, io.err);  // --help, --version
        }
        const CLI::App& deepest = Deepest(app);
        std::string command = CommandPath(deepest);
        Report(io.err, kUsage, command.empty() ? "" : command + ": ",
               expect.Explain(deepest, error));
        io.err << "Run \"gridtally-cli " << (command.empty() ? "" : command + " ")
               << "--help\" for the usage.\n";
        return kUsage;
    }

    std::optional<TableFormat> format = ParseTableFormat(formatName);
    if (!format) {
        return Report(io.err, kUsage, "--format: expected ", kTableFormats, " (not \"", formatName,
                      "\")");
    }
    PageOptions pageOptions{*format, outDir, pageLabel, bold || (!plain && io.outIsTerminal)};
    std::optional<PlayFilter> filter = MakeFilter(filterArguments, io.err);
    if (!filter) return kUsage;

    if (dbAdd->parsed()) return RunDbAdd(dbPath, dbLogs, io, keepGoing);
    if (dbDump->parsed()) return RunDbDump(dbPath, io, force);
    if (dbTeamsCommand->parsed()) return RunDbTeams(dbPath, io, force);
    if (dbShow->parsed()) return RunDbShow(dbPath, dbTeam, pageOptions, io, force);
    if (dbDelete->parsed()) return RunDbDeleteTeams(dbPath, dbTeams, io, keepGoing);
    if (dump->parsed()) return RunDump(logPath, io);
    if (plays->parsed()) return RunPlays(playLogs, *filter, *format, io);
    if (drives->parsed()) return RunDrives(drivePaths, *filter, *format, io);
    if (epModel->parsed()) return RunEpModel(modelPaths, *format, io);
    if (season->parsed()) return RunSeason(seasonPaths, team, *filter, pageOptions, io);
    if (exportCommand->parsed()) return RunExport(exportPath, exportPaths, *filter, io);
    if (report->parsed()) return RunReport(logPath, team, *filter, pageOptions, io);
    return kUsage;
}

}  // namespace gridtally
