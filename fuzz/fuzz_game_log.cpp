// A whole log read as a game, then every page of both clubs in every sort order; a
// second load of the same bytes gives the same pages.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "core/game/GameLog.h"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    GameLog game;
    game.diagnostics = &NoDiagnostics();
    game.Load(bytes);
    game.IsGameLog();
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
    if (!SamePages(pages, CheckedPrintout(game))) fuzz::Fail("a second load gives other pages");
    return 0;
}
