#include "core/game/GameLog.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "core/model/LogReader.h"
#include "core/parsers/PlayRecorder.h"
#include "core/parsers/StatementParser.h"
#include "core/text/TextScan.h"

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
    recognisedStatements_ = 0;
    plays.Clear();
    sourceText.clear();
    statementCount = 0;
    binary_ = IsBinaryFile(fileBytes);
    if (binary_) return;
    if (keepText) sourceText.assign(fileBytes);

    auto keepLine = [this](std::string_view line) {
        std::string& shown = logLines.emplace_back(line);
        std::replace(shown.begin(), shown.end(), SentenceMark, ' ');
    };
    LogParse parse(*diagnostics);
    PlayRecorder recorder(plays);
    if (keepPlays) {
        parse.recorder = &recorder;
        // A play takes some 300 bytes of a log and leaves a few credits: growing the
        // tables step by step would cost more than reading them.
        std::size_t expected = fileBytes.size() / 300 + 16;
        plays.plays.reserve(expected);
        plays.credits.reserve(expected * 4);
        plays.calls.reserve(expected);
    }
    ReadLogStatements(
        fileBytes,
        [&](Statement& statement, StatementSpan span) {
            parse.span = span;
            ParseAndName(statement, parse);
        },
        keepText ? std::function<void(std::string_view)>(keepLine) : nullptr);
    if (keepPlays) recorder.Finish();
    statementCount = parse.statementCount;
    currentState = std::move(parse.currentState);
}

void GameLog::ParseAndName(std::string& statement, LogParse& parse) {
    StatementKind kind = ParseStatement(statement, parse, playCalls, roster, teamTotals);
    if (ShowsAGame(kind, statement)) ++recognisedStatements_;
    if (kind != StatementKind::Situation) return;
    if (team1Name.empty()) team1Name = teamTotals[0].name;
    if (team2Name.empty()) team2Name = teamTotals[1].name;
}

int HomeClub(std::string_view fileBytes, std::size_t firstStatement,
             const std::array<std::string, 2>& clubs) {
    if (clubs[0].empty() || clubs[1].empty() || clubs[0] == clubs[1]) return -1;
    std::string_view head = fileBytes.substr(0, std::min(firstStatement, fileBytes.size()));
    constexpr std::string_view kAt = " at ";
    while (!head.empty()) {
        std::size_t end = head.find('\n');
        std::string_view line = head.substr(0, end);
        head = end == std::string_view::npos ? std::string_view() : head.substr(end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
        for (std::size_t at = line.find(kAt); at != std::string_view::npos;
             at = line.find(kAt, at + 1)) {
            std::string_view away = line.substr(0, at), home = line.substr(at + kAt.size());
            for (int club : {0, 1}) {
                if (away == clubs[1 - club] && home == clubs[club]) return club;
            }
        }
    }
    return -1;
}

bool IsBinaryFile(std::string_view fileBytes) {
    constexpr std::size_t kLooked = 4096;
    return fileBytes.substr(0, kLooked).find('\0') != std::string_view::npos;
}

bool ShowsAGame(StatementKind kind, std::string_view statement) {
    // Text that merely has the shape of statements is no game: a game names where the
    // ball is, or tells a play down to its play calls.
    if (kind == StatementKind::Play) return Contains(statement, "That was ");
    if (kind != StatementKind::Situation) return false;
    // "ball on their 35 yard line": a number, and the ball, close before it.
    constexpr std::string_view kYardLine = " yard line";
    constexpr std::size_t kNear = 48;
    for (std::size_t at = statement.find(kYardLine); at != std::string_view::npos;
         at = statement.find(kYardLine, at + 1)) {
        if (at == 0 || !std::isdigit(static_cast<unsigned char>(statement[at - 1]))) continue;
        std::size_t from = at > kNear ? at - kNear : 0;
        if (statement.substr(from, at - from).find("ball on ") != std::string_view::npos)
            return true;
    }
    return false;
}

std::string GameLog::ClubLabel(int club) const {
    const FixedText<64>& name = club == 0 ? team1Name : team2Name;
    if (!name.empty()) return name.str();
    return club == 0 ? "Team 1" : "Team 2";
}

std::optional<int> GameLog::FindClub(std::string_view label) const {
    for (int club : {0, 1}) {
        if (label == ClubLabel(club)) return club;
    }
    return std::nullopt;
}

std::string_view GameLog::ClubName(std::string_view label) const {
    if (label == "Team 1") return team1Name;
    if (label == "Team 2") return team2Name;
    return label;
}

TeamTotals* GameLog::FindTeamTotals(std::string_view team) {
    // "Team 1" and "Team 2" stand for the clubs whatever their names.
    if (team == team1Name || team == "Team 1") return &teamTotals[0];
    if (team == team2Name || team == "Team 2") return &teamTotals[1];
    return nullptr;
}

void GameLog::CollectPlayCalls(PlayKind kind, std::string_view team,
                               std::vector<std::unique_ptr<PlayRec>>& list) {
    playCalls.CollectPlayCalls(kind, FixedText<64>::Fit(ClubName(team)), list);
}

bool GameLog::RemovePlayCall(PlayRec& play) { return playCalls.RemovePlayCall(play); }

void GameLog::AddPlayCall(PlayRec& play) { playCalls.AddPlayCall(play); }

}  // namespace gridtally
