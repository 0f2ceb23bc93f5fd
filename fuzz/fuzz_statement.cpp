// One statement, as a log reader hands it on, read into a fresh game.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/model/GameState.h"
#include "core/model/PlayerRoster.h"
#include "core/model/TeamTotals.h"
#include "core/parsers/StatementParser.h"
#include "core/playcalls/PlayCallTable.h"
#include "core/text/Diagnostics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gridtally;
    Statement statement(reinterpret_cast<const char*>(data), size);
    LogParse parse(NoDiagnostics());
    PlayCallTable playCalls;
    PlayerRoster roster;
    std::array<TeamTotals, 2> totals;
    ParseStatement(statement, parse, playCalls, roster, totals);
    return 0;
}
