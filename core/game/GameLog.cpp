#include "game/GameLog.h"

#include <algorithm>

#include "model/LogReader.h"
#include "parsers/StatementParser.h"

namespace gridtally {

GameLog::GameLog() : PlayModel(ModelKind::GameLog) {}

void GameLog::Load(std::string_view fileBytes) {
    // A document reads one file; a second load starts from a clean model.
    logLines.clear();
    roster.Clear();
    playCalls.Clear();
    teamTotals = {};
    team1Name.Clear();
    team2Name.Clear();
    currentState.reset();
    sourceText.assign(fileBytes);

    ReadLogStatements(
        fileBytes, [this](Statement& statement) { ParseAndName(statement); },
        [this](std::string_view line) {
            std::string& shown = logLines.emplace_back(line);
            std::replace(shown.begin(), shown.end(), SentenceMark, ' ');
        });
}

void GameLog::ParseAndName(std::string& statement) {
    if (ParseStatement(statement, playCalls, roster, currentState, teamTotals) !=
        StatementKind::Situation) {
        return;
    }
    if (team1Name.empty()) team1Name = teamTotals[0].name;
    if (team2Name.empty()) team2Name = teamTotals[1].name;
}

TeamTotals* GameLog::FindTeamTotals(std::string_view team) {
    if (team == team1Name || team == "Team 1") return &teamTotals[0];
    if (team == team2Name || team == "Team 2") return &teamTotals[1];
    return nullptr;
}

void GameLog::CollectPlayCalls(PlayKind kind, std::string_view team,
                               std::vector<std::unique_ptr<PlayRec>>& list) {
    if (team == "Team 1")
        team = team1Name;
    else if (team == "Team 2")
        team = team2Name;
    playCalls.CollectPlayCalls(kind, FixedText<64>::Fit(team), list);
}

bool GameLog::RemovePlayCall(PlayRec& play) { return playCalls.RemovePlayCall(play); }

void GameLog::AddPlayCall(PlayRec& play) { playCalls.AddPlayCall(play); }

}  // namespace gridtally
