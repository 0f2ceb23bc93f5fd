#include "core/parsers/StatementParser.h"

#include <string>

#include "core/model/PlayerRoster.h"
#include "core/model/TeamTotals.h"
#include "core/parsers/PlayParser.h"
#include "core/parsers/PlayRecorder.h"
#include "core/parsers/SituationParser.h"
#include "core/playcalls/PlayRec.h"

namespace gridtally {

StatementKind ParseStatement(Statement& statement, LogParse& parse, PlayCallTable& playCalls,
                             PlayerRoster& roster, std::array<TeamTotals, 2>& teamTotals) {
    // Unsigned arithmetic: the count wraps instead of overflowing after 2^31 statements.
    parse.statementCount =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(parse.statementCount) + 1u);

    StatementKind kind = ClassifyStatement(statement);
    if (kind != StatementKind::Ignored) MarkSentences(statement);

    if (kind == StatementKind::Situation) {
        if (!parse.currentState) parse.currentState = std::make_unique<GameState>();
        SituationReading reading;  // only a recorder wants more than the state
        if (ParseSituation(statement, *parse.currentState, parse.recorder ? &reading : nullptr) ==
            0) {
            if (teamTotals[0].name.empty() && !parse.currentState->offense.empty()) {
                teamTotals[0].name = parse.currentState->offense;
            }
            if (teamTotals[1].name.empty() && !parse.currentState->defense.empty()) {
                teamTotals[1].name = parse.currentState->defense;
            }
            if (parse.recorder) parse.recorder->Situation(reading);
        }
    } else if (kind == StatementKind::Play) {
        // A play with no situation before it is read against a blank one.
        GameState blank;
        GameState& state = parse.currentState ? *parse.currentState : blank;
        parse.trace.Clear();
        parse.trace.record = parse.recorder != nullptr;
        PlayRec play;
        play.trace = &parse.trace;
        PlayKind result = ParsePlayStatement(statement, state, playCalls, roster, play);
        if (result == PlayKind::None) {
            parse.trace.diagnostics->UnreadStatement(parse.statementCount,
                                                     statement.substr(0, statement.find('\0')));
        }
        if (parse.trace.callSentences > 1) parse.repeatedCalls = true;
        int tally = CountPlayInTeamTotals(teamTotals, state, result);
        if (parse.recorder) {
            parse.recorder->AddPlay({play, result, state, tally, parse.span, statement},
                                    parse.trace, roster);
        }
        parse.currentState.reset();
    }
    return kind;
}

int CountPlayInTeamTotals(std::array<TeamTotals, 2>& teamTotals, const GameState& state,
                          PlayKind kind) {
    if (kind != PlayKind::Run && kind != PlayKind::Pass) return -1;

    int record = teamTotals[0].name == state.offense ? 0 : 1;
    TeamTotals& totals = teamTotals[record];
    if (totals.name.empty()) totals.name = state.offense;

    if (state.down < 1 || state.down > 4) return -1;
    ++totals.counts[state.down - 1][distanceBucket(state.toGo)][static_cast<int>(kind)];
    return record;
}

}  // namespace gridtally
