#include "cli/SeasonCommand.h"

#include "core/playdb/Season.h"
#include "core/text/Latin1.h"

namespace gridtally {

std::optional<PlayFilter> MakeFilter(const FilterArguments& arguments, std::ostream& err) {
    PlayFilter filter;
    for (const auto& [criterion, list] : arguments.lists) {
        Failure problem;
        if (!AddFilterValues(filter, criterion, list, &problem)) {
            Report(err, kUsage, problem.reason);
            return std::nullopt;
        }
    }
    for (const auto& [option, names] : {std::pair{"--offense", &arguments.offense},
                                        {"--defense", &arguments.defense},
                                        {"--opponent", &arguments.opponent}}) {
        for (const std::string& name : *names) {
            Failure problem;
            if (!AddFilterOption(filter, option, name, &problem)) {
                Report(err, kUsage, problem.reason);
                return std::nullopt;
            }
        }
    }
    return filter;
}

bool ResolveFilterClubs(PlayFilter& filter, const std::vector<std::string>& clubs,
                        std::ostream& err) {
    for (std::vector<std::string>* names : {&filter.offense, &filter.defense, &filter.opponent}) {
        for (std::string& name : *names) {
            std::optional<std::string> club = ResolveClub(name, clubs, err);
            if (!club) return false;
            name = *club;
        }
    }
    return true;
}

void TitleWithFilter(OutputPage& page, const PlayFilter& filter) {
    std::string described = filter.Describe();
    if (described.empty()) return;
    page.printed.title += " - " + described;
    page.exported.title += " - " + described;
    page.filter = described;
}

SeasonRead ReadSeason(Season& season, const std::vector<std::string>& paths, std::ostream& err) {
    Season::ReadResult read = season.Read(paths);
    for (const Failure& failure : read.failures) {
        if (failure.unreadable) {
            ReportUnreadable(failure.path, failure.reason, err);
        } else {
            ReportNotAGameLog(failure.path, err, failure.reason);
        }
    }
    if (season.games().empty()) {
        if (read.failures.empty()) {
            std::string named;
            for (const std::string& path : paths) named += ' ' + FileNameText(path);
            Report(err, kFileFailed, "no game log in", named);
        }
        return SeasonRead::NoGame;
    }
    return read.failures.empty() ? SeasonRead::Whole : SeasonRead::Partly;
}

int RunSeason(const std::vector<std::string>& paths, const std::optional<std::string>& team,
              const PlayFilter& given, const PageOptions& options, Streams io) {
    std::optional<std::string> club;
    if (team && !(club = ClubArgument("--team", *team, io.err))) return kUsage;
    Season season;
    SeasonRead read = ReadSeason(season, paths, io.err);
    if (read == SeasonRead::NoGame) return kFileFailed;
    std::vector<std::string> clubs = season.Clubs();
    PlayFilter filter = given;
    if (!ResolveFilterClubs(filter, clubs, io.err)) return kUsage;
    if (club) {
        if (!(club = ResolveClub(*club, clubs, io.err))) return kUsage;
        clubs = {*club};
    }

    std::vector<OutputPage> pages;
    std::string_view gamesOf = club ? std::string_view(*club) : std::string_view();
    pages.push_back(
        {"", season.GamesPage(filter, gamesOf), season.GamesExport(filter, gamesOf), {}});
    for (const std::string& name : clubs) {
        std::unique_ptr<SeasonClub> figures = season.Club(name, filter);
        std::vector<PrintoutPage> printed = figures->Pages();
        std::vector<ExportPage> exported = figures->Export();
        for (std::size_t i = 0; i < printed.size(); ++i) {
            pages.push_back({name, std::move(printed[i]), std::move(exported[i]), {}});
        }
    }
    for (OutputPage& page : pages) TitleWithFilter(page, filter);
    int status = WritePages(std::move(pages), options, io);
    return status == kDone && read == SeasonRead::Partly ? kFileFailed : status;
}

}  // namespace gridtally
