#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace gridtally {

class PlayCallTable;
class PlayerRoster;
class TeamTotals;
struct GameState;

// One paragraph of a game log, joined from its lines: 8-bit text that the parsers
// may modify in place.
using Statement = std::string;

// Ends a sentence inside a statement. The log may carry some; MarkSentences adds more.
inline constexpr char SentenceMark = '\x05';

enum class StatementKind : std::int32_t {
    Situation = 0,
    Play = 1,
    Personnel = 2,
    WeatherHeader = 3,
    StadiumHeader = 4,
    Ignored = 5,
    Empty = 6,
};

// Statements handed to ParseStatement since the program started, by every document
// alike; never reset. It numbers the parse error messages.
extern std::int32_t statementCount;

StatementKind ClassifyStatement(const Statement& statement);

// Ends sentences at ". " and "! " with SentenceMark, unless the statement already
// carries marks of its own.
void MarkSentences(Statement& statement);

// Counts, classifies, marks and dispatches one statement: a situation fills
// `currentState` (created when there is none) and names the clubs of `teamTotals`; a
// play is credited to the players and play calls, counted in `teamTotals` when it is a
// run or a pass, and then discards `currentState`.
StatementKind ParseStatement(Statement& statement, PlayCallTable& playCalls, PlayerRoster& roster,
                             std::unique_ptr<GameState>& currentState,
                             std::array<TeamTotals, 2>& teamTotals);

}  // namespace gridtally
