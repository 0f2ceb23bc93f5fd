#pragma once

#include <array>
#include <memory>

#include "core/model/Statement.h"
#include "core/playcalls/PlayKind.h"

namespace gridtally {

class PlayCallTable;
class PlayerRoster;
class TeamTotals;
struct GameState;

// Counts, classifies, marks and dispatches one statement: a situation fills
// `currentState` (created when there is none) and names the clubs of `teamTotals`; a
// play is credited to the players and play calls, counted in `teamTotals` when it is a
// run or a pass, and then discards `currentState`.
StatementKind ParseStatement(Statement& statement, PlayCallTable& playCalls, PlayerRoster& roster,
                             std::unique_ptr<GameState>& currentState,
                             std::array<TeamTotals, 2>& teamTotals);

// Counts a run or pass in the offense's TeamTotals of a game (other kinds are not
// counted). The first record is the offense's when it bears the offense's name; the
// second is taken otherwise and, while unnamed, takes that name.
void CountPlayInTeamTotals(std::array<TeamTotals, 2>& teamTotals, const GameState& state,
                           PlayKind kind);

}  // namespace gridtally
