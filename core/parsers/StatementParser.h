#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "core/model/GameState.h"
#include "core/model/LogReader.h"
#include "core/model/Statement.h"
#include "core/playcalls/PlayKind.h"
#include "core/playcalls/PlayTrace.h"

namespace gridtally {

class PlayCallTable;
class PlayRecorder;
class PlayerRoster;
class TeamTotals;

// What one reading of one log carries from statement to statement. Readings never share
// one, so that logs can be read side by side.
struct LogParse {
    LogParse() = default;
    explicit LogParse(DiagnosticsSink& diagnostics) { trace.diagnostics = &diagnostics; }

    // Statements handed to ParseStatement in this reading; numbers the error message.
    std::int32_t statementCount = 0;
    // The situation of the play to come: from one situation statement to the next play.
    std::unique_ptr<GameState> currentState;
    // Where the messages go (trace.diagnostics), and what the play being read leaves.
    PlayTrace trace;
    // Keeps the play-by-play table when set; not owned.
    PlayRecorder* recorder = nullptr;
    // Where the statement being parsed lies in its file, for the recorder.
    StatementSpan span;
    // A play credited two play-call sentences: the second added the first's running
    // totals, which depend on everything the table held before.
    bool repeatedCalls = false;
};

// Counts, classifies, marks and dispatches one statement: a situation fills the parse's
// current state (created when there is none) and names the clubs of `teamTotals`; a
// play is credited to the players and play calls, counted in `teamTotals` when it is a
// run or a pass, and then discards the current state.
StatementKind ParseStatement(Statement& statement, LogParse& parse, PlayCallTable& playCalls,
                             PlayerRoster& roster, std::array<TeamTotals, 2>& teamTotals);

// Counts a run or pass in the offense's TeamTotals of a game (other kinds are not
// counted). The first record is the offense's when it bears the offense's name; the
// second is taken otherwise and, while unnamed, takes that name. Returns the record
// counted in, or -1 when the play was not counted.
int CountPlayInTeamTotals(std::array<TeamTotals, 2>& teamTotals, const GameState& state,
                          PlayKind kind);

}  // namespace gridtally
