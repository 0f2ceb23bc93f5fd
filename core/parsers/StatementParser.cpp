#include "core/parsers/StatementParser.h"

#include <string>

#include "core/model/GameState.h"
#include "core/model/PlayerRoster.h"
#include "core/model/TeamTotals.h"
#include "core/parsers/PlayParser.h"
#include "core/parsers/SituationParser.h"
#include "core/text/Diagnostics.h"

namespace gridtally {

StatementKind ParseStatement(Statement& statement, PlayCallTable& playCalls, PlayerRoster& roster,
                             std::unique_ptr<GameState>& currentState,
                             std::array<TeamTotals, 2>& teamTotals) {
    // Unsigned arithmetic: the count wraps instead of overflowing after 2^31 statements.
    statementCount = static_cast<std::int32_t>(static_cast<std::uint32_t>(statementCount) + 1u);

    StatementKind kind = ClassifyStatement(statement);
    if (kind != StatementKind::Ignored) MarkSentences(statement);

    if (kind == StatementKind::Situation) {
        if (!currentState) currentState = std::make_unique<GameState>();
        if (ParseSituation(statement, *currentState) == 0) {
            if (teamTotals[0].name.empty() && !currentState->offense.empty()) {
                teamTotals[0].name = currentState->offense;
            }
            if (teamTotals[1].name.empty() && !currentState->defense.empty()) {
                teamTotals[1].name = currentState->defense;
            }
        }
    } else if (kind == StatementKind::Play) {
        // A play with no situation before it is read against a blank one.
        GameState blank;
        GameState& state = currentState ? *currentState : blank;
        PlayKind play = ParsePlayStatement(statement, state, playCalls, roster);
        if (play == PlayKind::None) {
            ReportToStderr("ERROR parsing statement (line " + std::to_string(statementCount) +
                           "):  " + statement.substr(0, statement.find('\0')) + "\n");
        }
        CountPlayInTeamTotals(teamTotals, state, play);
        currentState.reset();
    }
    return kind;
}

void CountPlayInTeamTotals(std::array<TeamTotals, 2>& teamTotals, const GameState& state,
                           PlayKind kind) {
    if (kind != PlayKind::Run && kind != PlayKind::Pass) return;

    TeamTotals& totals = teamTotals[0].name == state.offense ? teamTotals[0] : teamTotals[1];
    if (totals.name.empty()) totals.name = state.offense;

    if (state.down < 1 || state.down > 4) return;
    ++totals.counts[state.down - 1][distanceBucket(state.toGo)][static_cast<int>(kind)];
}

}  // namespace gridtally
