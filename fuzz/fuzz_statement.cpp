// One statement, as a log reader hands it on, read into a fresh game.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "model/GameState.h"
#include "model/PlayerRoster.h"
#include "model/TeamTotals.h"
#include "parsers/StatementParser.h"
#include "playcalls/PlayCallTable.h"
#include "text/Diagnostics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gridtally;
    DiagnosticsCapture quiet;
    Statement statement(reinterpret_cast<const char*>(data), size);
    PlayCallTable playCalls;
    PlayerRoster roster;
    std::unique_ptr<GameState> state;
    std::array<TeamTotals, 2> totals;
    ParseStatement(statement, playCalls, roster, state, totals);
    return 0;
}
