#include "cli/ReportCommand.h"

#include <algorithm>
#include <ostream>

#include "cli/SeasonCommand.h"
#include "cli/TableOutput.h"
#include "core/game/GameLog.h"
#include "core/playdb/Season.h"
#include "core/text/Diagnostics.h"
#include "core/text/Latin1.h"

namespace gridtally {
namespace {

constexpr std::string_view kBoldOn = "\x1b[1m";
constexpr std::string_view kBoldOff = "\x1b[0m";

void AppendLine(std::string& out, std::string_view latin1) {
    out += Latin1ToUtf8(latin1);
    out += '\n';
}

}  // namespace

std::string FormatPrintout(const std::vector<PrintoutPage>& pages, PrintoutStyle style) {
    std::string out;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const PrintoutPage& page = pages[p];
        if (p > 0) out += "\f\n";
        AppendLine(out, page.title);
        if (page.isReport) {
            for (const std::string& line : page.report) {
                if (style.bold && IsBoldLine(line)) {
                    out += kBoldOn;
                    out += Latin1ToUtf8(ShownLine(line));
                    out += kBoldOff;
                    out += '\n';
                } else {
                    AppendLine(out, ShownLine(line));
                }
            }
            continue;
        }
        out += FormatRows(page.headers, page.rows, style.columns);
    }
    return out;
}

int RunReport(const std::string& path, const std::optional<std::string>& team,
              const PlayFilter& given, const PageOptions& options, Streams io) {
    std::optional<std::string> club;
    if (team && !(club = ClubArgument("--team", *team, io.err))) return kUsage;
    std::string bytes;
    if (!ReadInputFile(path, bytes, io.err)) return kFileFailed;
    GameLog game;
    game.keepText = false;                // the printout shows figures, never the log's lines
    game.keepPlays = !given.Empty();      // a filter sums the plays it chooses
    game.diagnostics = &NoDiagnostics();  // the parser's messages are not part of the printout
    game.Load(bytes);
    if (!game.IsGameLog()) {
        ReportNotAGameLog(path, io.err, game.NotAGameLogReason());
        return kFileFailed;
    }
    if (club && !(club = ResolveClub(*club, {game.ClubLabel(0), game.ClubLabel(1)}, io.err))) {
        return kUsage;
    }
    PlayFilter filter = given;
    std::vector<std::string> names;
    for (int index : {0, 1}) {
        std::string label = game.ClubLabel(index);
        std::string_view name = game.ClubName(label);  // may be a view into `label`
        if (!name.empty()) names.emplace_back(name);
    }
    if (!ResolveFilterClubs(filter, names, io.err)) return kUsage;

    // Without a filter the pages are the game's own; with one, the game read as a season
    // of one and summed over the plays chosen.
    Season season;
    if (!filter.Empty()) season.AddLog(path, bytes);
    std::vector<OutputPage> pages;
    for (int index : {0, 1}) {
        std::string label = game.ClubLabel(index);
        if (club && label != *club) continue;
        std::vector<PrintoutPage> printed;
        std::vector<ExportPage> exported;
        if (filter.Empty()) {
            std::string_view name = game.ClubName(label);
            printed = BuildTeamPrintout(game, label);
            exported = BuildClubExport(game.roster, game, name, label);
        } else {
            std::unique_ptr<SeasonClub> figures = season.Club(game.ClubName(label), filter);
            printed = BuildClubPages(figures->roster, *figures, figures->club(), label);
            exported = BuildClubExport(figures->roster, *figures, figures->club(), label);
        }
        for (std::size_t i = 0; i < printed.size(); ++i) {
            pages.push_back({label, std::move(printed[i]), std::move(exported[i]), {}});
            TitleWithFilter(pages.back(), filter);
        }
    }
    return WritePages(std::move(pages), options, io);
}

}  // namespace gridtally
