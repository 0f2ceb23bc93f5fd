#include "core/reports/GamePrintout.h"

#include <algorithm>
#include <memory>

#include "core/game/GameLog.h"
#include "core/lists/PlayListContent.h"
#include "core/lists/Tendencies.h"
#include "core/reports/DefensivePlayerList.h"
#include "core/reports/PlayerReports.h"
#include "core/reports/PlayerSelection.h"

namespace gridtally {
namespace {

PrintoutPage ReportPage(std::string title, ReportLines lines) {
    PrintoutPage page;
    page.title = std::move(title);
    page.isReport = true;
    page.report = std::move(lines);
    return page;
}

PrintoutPage PlayListPage(PlayModel& model, PlayListKind list, std::string_view label) {
    std::vector<std::unique_ptr<PlayRec>> plays;
    model.CollectPlayCalls(PlayListPlayKind(list), label, plays);  // by play name

    std::vector<std::vector<std::string>> rows;
    for (const auto& play : plays) rows.push_back(PlayListCells(list, *play));
    return ListPrintoutPage(PlayListTitle(list, label), PlayListColumns(list), std::move(rows));
}

}  // namespace

PrintoutPage ListPrintoutPage(std::string title, std::span<const ListColumn> columns,
                              std::vector<std::vector<std::string>> rows) {
    PrintoutPage page;
    page.title = std::move(title);
    for (const ListColumn& column : columns) {
        page.headers.emplace_back(column.header);
        page.printX.push_back(column.printX);
    }
    page.rows = std::move(rows);
    return page;
}

std::vector<PrintoutPage> BuildTeamPrintout(GameLog& game, std::string_view label) {
    // The roster knows clubs by their real names only.
    return BuildClubPages(game.roster, game, game.ClubName(label), label);
}

std::vector<PrintoutPage> BuildClubPages(const PlayerRoster& roster, PlayModel& model,
                                         std::string_view team, std::string_view label,
                                         const GamesPlayed* games) {
    std::vector<PrintoutPage> pages;
    ReportLines offense;
    BuildOffenseReport(roster, team, offense, games);
    pages.push_back(ReportPage(OffenseReportTitle(label), std::move(offense)));

    std::vector<std::vector<std::string>> defenders;
    for (const PlayerRec* player : CollectPlayers(roster, PlayerGroup::Defense, team)) {
        defenders.push_back(DPlayerCells(*player));
        if (games) defenders.back().push_back(std::to_string((*games)(*player)));
    }
    pages.push_back(ListPrintoutPage(DPlayerTitle(label),
                                     games ? DPlayerColumnsWithGames() : DPlayerColumns(),
                                     std::move(defenders)));

    ReportLines special;
    BuildSpecialTeamsReport(roster, team, special, games);
    pages.push_back(ReportPage(SpecialTeamsReportTitle(label), std::move(special)));

    std::vector<PrintoutPage> calls = BuildPlayCallPages(model, label);
    pages.insert(pages.end(), std::make_move_iterator(calls.begin()),
                 std::make_move_iterator(calls.end()));
    return pages;
}

std::vector<PrintoutPage> BuildPlayCallPages(PlayModel& model, std::string_view label) {
    std::vector<PrintoutPage> pages;
    for (PlayListKind list : {PlayListKind::Run, PlayListKind::Pass, PlayListKind::Defense}) {
        pages.push_back(PlayListPage(model, list, label));
    }
    pages.push_back(ListPrintoutPage(TendencyTitle(label), TendencyColumns(),
                                     TendencyRows(model.FindTeamTotals(label))));
    return pages;
}

std::vector<ExportPage> BuildClubExport(const PlayerRoster& roster, PlayModel& model,
                                        std::string_view team, std::string_view label,
                                        const GamesPlayed* games, bool playCallsOnly) {
    std::vector<ExportPage> pages;
    auto add = [&](std::size_t page, std::string title, CsvTable table) {
        pages.push_back({std::move(title), std::string(kClubPageLabels[page]), std::move(table)});
    };
    if (!playCallsOnly) {
        add(0, OffenseReportTitle(label), OffenseReportTable(roster, team, games));
        PlayerSelection defenders = CollectPlayers(roster, PlayerGroup::Defense, team);
        CsvTable defense = DPlayerTable(defenders);
        if (games) {
            defense.header.emplace_back("G");
            for (std::size_t i = 0; i < defenders.size(); ++i) {
                defense.rows[i].push_back(std::to_string((*games)(*defenders[i])));
            }
        }
        add(1, DPlayerTitle(label), std::move(defense));
        add(2, SpecialTeamsReportTitle(label), SpecialTeamsReportTable(roster, team, games));
    }
    std::size_t page = 3;
    for (PlayListKind list : {PlayListKind::Run, PlayListKind::Pass, PlayListKind::Defense}) {
        std::vector<std::unique_ptr<PlayRec>> plays;
        model.CollectPlayCalls(PlayListPlayKind(list), label, plays);
        std::vector<const PlayRec*> rows;
        for (const auto& play : plays) rows.push_back(play.get());
        add(page++, PlayListTitle(list, label), PlayListTable(list, rows));
    }
    add(page, TendencyTitle(label), TendencyTable(model.FindTeamTotals(label)));
    return pages;
}

std::vector<PrintoutPage> BuildGamePrintout(GameLog& game) {
    std::vector<PrintoutPage> pages = BuildTeamPrintout(game, game.ClubLabel(0));
    std::vector<PrintoutPage> second = BuildTeamPrintout(game, game.ClubLabel(1));
    pages.insert(pages.end(), std::make_move_iterator(second.begin()),
                 std::make_move_iterator(second.end()));
    return pages;
}

}  // namespace gridtally
