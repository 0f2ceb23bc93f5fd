// A whole log read as a game, then every page of both clubs in every sort order; a
// second load of the same bytes gives the same pages. The play-by-play table kept
// beside the figures sums, over every play, to exactly what the reading counted.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "core/game/GameLog.h"
#include "core/game/PlaySums.h"
#include "core/reports/DefensivePlayerList.h"
#include "core/reports/GamePrintout.h"
#include "core/reports/PlayerSelection.h"
#include "core/text/Diagnostics.h"

namespace {

using namespace gridtally;

bool SamePages(const std::vector<PrintoutPage>& a, const std::vector<PrintoutPage>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].title != b[i].title || a[i].isReport != b[i].isReport ||
            a[i].report != b[i].report || a[i].headers != b[i].headers || a[i].rows != b[i].rows) {
            return false;
        }
    }
    return true;
}

std::vector<PrintoutPage> CheckedPrintout(GameLog& game) {
    std::vector<PrintoutPage> pages = BuildGamePrintout(game);
    if (pages.size() != 14)
        fuzz::Fail("a game printout of " + std::to_string(pages.size()) + " pages");
    for (const PrintoutPage& page : pages) {
        for (const auto& row : page.rows) {
            if (row.size() != page.headers.size()) {
                fuzz::Fail(fuzz::Shown(page.title) + ": a row without a cell per column");
            }
        }
    }
    return pages;
}

fuzz::DbRecords CallsOf(const PlayCallTable& table) {
    fuzz::DbRecords records;
    for (const auto& [key, record] : table.records()) {
        fuzz::CallCounters& counters = records.calls[key];
        for (std::size_t c = 0; c < counters.size(); ++c)
            counters[c] = (*record).*kPlayCallCounterFields[c].member;
    }
    return records;
}

// The rows and their slices into credits and calls are sound, so that summing them
// reads nothing out of range.
void CheckPlayRows(const GameLog& game, std::size_t inputSize) {
    const GamePlays& table = game.plays;
    for (std::size_t i = 0; i < table.plays.size(); ++i) {
        const Play& play = table.plays[i];
        std::string row = "play row " + std::to_string(i);
        if (play.seq != static_cast<std::int32_t>(i + 1))
            fuzz::Fail(row + ": seq " + std::to_string(play.seq));
        if (play.textOffset > inputSize || play.textLength > inputSize - play.textOffset) {
            fuzz::Fail(row + ": text " + std::to_string(play.textOffset) + "+" +
                       std::to_string(play.textLength) + " past the input's " +
                       std::to_string(inputSize) + " bytes");
        }
        if (play.firstCredit > table.credits.size() ||
            play.creditCount > table.credits.size() - play.firstCredit) {
            fuzz::Fail(row + ": credits " + std::to_string(play.firstCredit) + "+" +
                       std::to_string(play.creditCount) + " of " +
                       std::to_string(table.credits.size()));
        }
        if (play.firstCall > table.calls.size() ||
            play.callCount > table.calls.size() - play.firstCall) {
            fuzz::Fail(row + ": calls " + std::to_string(play.firstCall) + "+" +
                       std::to_string(play.callCount) + " of " +
                       std::to_string(table.calls.size()));
        }
        // AddToTeamTotals indexes by these unchecked.
        if (play.tallyRecord < -1 || play.tallyRecord > 1)
            fuzz::Fail(row + ": tally record " + std::to_string(play.tallyRecord));
        if (play.tallyRecord >= 0 &&
            (play.down < 1 || play.down > 4 ||
             (play.parsedKind != PlayKind::Run && play.parsedKind != PlayKind::Pass))) {
            fuzz::Fail(row + ": tallied with down " + std::to_string(play.down) + ", kind " +
                       std::to_string(static_cast<int>(play.parsedKind)));
        }
        for (std::uint32_t c = 0; c < play.creditCount; ++c) {
            const PlayerCredit& credit = table.credits[play.firstCredit + c];
            if (credit.player >= game.roster.size() ||
                credit.counter >= kPlayerCounterFields.size()) {
                fuzz::Fail(row + ": credit to place " + std::to_string(credit.player) +
                           ", counter " + std::to_string(credit.counter) + " of a roster of " +
                           std::to_string(game.roster.size()));
            }
        }
    }
}

void CheckPlaySums(const GameLog& game, std::size_t inputSize) {
    CheckPlayRows(game, inputSize);

    std::vector<PlayerCounters> credits = SumCredits(game.plays, game.roster.size());
    if (credits.size() != game.roster.size()) {
        fuzz::Fail("credits sum to " + std::to_string(credits.size()) + " players of " +
                   std::to_string(game.roster.size()));
    }
    for (std::size_t i = 0; i < credits.size(); ++i) {
        const PlayerRec& player = *game.roster.at(i);
        PlayerCounters counted = CountersOf(player);
        for (std::size_t c = 0; c < counted.size(); ++c) {
            if (credits[i][c] != counted[c]) {
                fuzz::Fail("player " + std::to_string(i) + " " + fuzz::Shown(player.name.str()) +
                           ": " + std::string(kPlayerCounterFields[c].name) + " counted " +
                           std::to_string(counted[c]) + ", credits sum to " +
                           std::to_string(credits[i][c]));
            }
        }
    }

    fuzz::RequireSameCalls(CallsOf(game.playCalls), CallsOf(SumPlayCalls(game.plays)),
                           "play calls summed over the plays");

    std::array<TeamTotals, 2> totals;
    for (const Play& play : game.plays.plays) AddToTeamTotals(play, totals);
    for (int club : {0, 1}) {
        const auto& want = game.teamTotals[club].counts;
        const auto& got = totals[club].counts;
        for (int down = 0; down < 4; ++down) {
            for (int bucket = 0; bucket < 4; ++bucket) {
                for (int kind = 0; kind < 2; ++kind) {
                    if (got[down][bucket][kind] == want[down][bucket][kind]) continue;
                    fuzz::Fail("team totals " + std::to_string(club) + ": down " +
                               std::to_string(down + 1) + ", distance " + std::to_string(bucket) +
                               ", kind " + std::to_string(kind) + " counted " +
                               std::to_string(want[down][bucket][kind]) + ", plays sum to " +
                               std::to_string(got[down][bucket][kind]));
                }
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    GameLog game;
    game.diagnostics = &NoDiagnostics();
    game.keepPlays = true;
    game.Load(bytes);
    game.IsGameLog();
    CheckPlaySums(game, size);
    const std::size_t rows = game.plays.plays.size();
    std::vector<PrintoutPage> pages = CheckedPrintout(game);

    for (int club : {0, 1}) {
        std::string label = game.ClubLabel(club);
        fuzz::ExercisePlayLists(game, label);
        PlayerSelection defense =
            CollectPlayers(game.roster, PlayerGroup::Defense, game.ClubName(label));
        fuzz::SortByEveryColumn(defense, DPlayerColumns().size(), -1, &CompareDPlayers,
                                &DPlayerCells, DPlayerTitle(fuzz::Shown(label)));
    }

    game.Load(bytes);
    CheckPlaySums(game, size);
    if (game.plays.plays.size() != rows) fuzz::Fail("a second load gives other play rows");
    if (!SamePages(pages, CheckedPrintout(game))) fuzz::Fail("a second load gives other pages");
    return 0;
}
