#include "model/Statement.h"

#include <algorithm>

#include "model/Diagnostics.h"
#include "model/GameState.h"
#include "model/PlayParser.h"
#include "model/PlayerRoster.h"
#include "model/SituationParser.h"
#include "model/TeamTotals.h"
#include "model/TextScan.h"

namespace gridtally {

std::int32_t statementCount = 0;

StatementKind ClassifyStatement(const Statement& statement) {
    if (statement.empty()) return StatementKind::Empty;
    std::string_view text = statement;
    if (text.starts_with("   ")) return StatementKind::Ignored;
    if (StartsWithNoCase(text, "Weather:")) return StatementKind::WeatherHeader;
    if (StartsWithNoCase(text, "Stadium:")) return StatementKind::StadiumHeader;
    if (Contains(text, "The score is")) return StatementKind::Situation;
    if (Contains(text, "That was")) return StatementKind::Play;
    if (std::count(text.begin(), text.end(), SentenceMark) == 2) return StatementKind::Personnel;
    return StatementKind::Ignored;
}

void MarkSentences(Statement& statement) {
    if (statement.size() < 3 || statement.find(SentenceMark) != Statement::npos) return;

    // A full stop at index 0 to 2 never ends a sentence, nor does the one of "St. ".
    for (std::size_t stop = statement.find(". ", 3); stop != Statement::npos;
         stop = statement.find(". ", stop + 2)) {
        if (statement.compare(stop - 2, 4, "St. ") != 0) statement[stop + 1] = SentenceMark;
    }
    for (std::size_t bang = statement.find("! "); bang != Statement::npos;
         bang = statement.find("! ", bang + 2)) {
        statement[bang + 1] = SentenceMark;
    }
}

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

}  // namespace gridtally
