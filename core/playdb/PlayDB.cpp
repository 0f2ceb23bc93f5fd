#include "core/playdb/PlayDB.h"

#include <algorithm>

#include "core/model/Counter.h"
#include "core/model/GameState.h"
#include "core/model/LogReader.h"
#include "core/model/PlayerRoster.h"
#include "core/parsers/StatementParser.h"
#include "core/text/FileBytes.h"
#include "core/text/InOrder.h"
#include "core/text/TextScan.h"

namespace gridtally {
TeamTotals* PlayDB::FindTeamTotals(std::string_view team) {
    auto it = teamTotals.find(std::string(team));
    return it == teamTotals.end() ? nullptr : it->second.get();
}

void PlayDB::CollectPlayCalls(PlayKind kind, std::string_view team,
                              std::vector<std::unique_ptr<PlayRec>>& list) {
    playCalls.CollectPlayCalls(kind, team, list);
}

bool PlayDB::RemovePlayCall(PlayRec& play) { return playCalls.RemovePlayCall(play); }

void PlayDB::AddPlayCall(PlayRec& play) { playCalls.AddPlayCall(play); }

bool PlayDB::ImportLog(std::string_view logBytes, std::set<std::string>& names,
                       std::array<TeamTotals, 2>& totals) {
    if (IsBinaryFile(logBytes)) {  // not parsed: named as a text without clubs is
        names.insert(totals[0].name.str());
        names.insert(totals[1].name.str());
        return false;
    }
    // The log's players are needed only while it is read.
    PlayerRoster roster;
    LogParse parse(*diagnostics);
    parse.statementCount = statementCount;
    bool recognised = false;
    ReadLogStatements(logBytes, [&](Statement& statement, StatementSpan) {
        StatementKind kind = ParseStatement(statement, parse, playCalls, roster, totals);
        if (ShowsAGame(kind, statement)) recognised = true;
    });
    statementCount = parse.statementCount;
    names.insert(totals[0].name.str());
    names.insert(totals[1].name.str());
    return recognised;
}

void PlayDB::MergeTeamTotals(std::unique_ptr<TeamTotals> totals) {
    std::unique_ptr<TeamTotals>& slot = teamTotals[totals->name.str()];
    if (slot) {
        for (int down = 0; down < 4; ++down)
            for (int bucket = 0; bucket < 4; ++bucket)
                for (int kind = 0; kind < 2; ++kind)
                    AddTo(totals->counts[down][bucket][kind], slot->counts[down][bucket][kind]);
    }
    slot = std::move(totals);
}

namespace {

// One log parsed alone, waiting to be joined to the DB.
struct ParsedLog {
    bool readable = false;
    std::string error;
    bool gameLog = false;
    std::string_view notAGameLog = kNotAGameLog;  // why, when it is none
    PlayCallTable playCalls;
    std::array<TeamTotals, 2> totals;
    DiagnosticsCapture messages;
    std::int32_t statements = 0;
    bool repeatedCalls = false;
    std::string bytes;  // kept only when the log must be read again in turn
};

void ParseAlone(const std::string& path, ParsedLog& parsed) {
    std::string bytes;
    parsed.readable = ReadFileBytes(path, bytes, &parsed.error);
    if (!parsed.readable) return;
    if (IsBinaryFile(bytes)) {
        parsed.notAGameLog = kBinaryNotAGameLog;
        return;
    }
    parsed.playCalls.KeepCreationOrder();
    PlayerRoster roster;
    LogParse parse(parsed.messages);
    ReadLogStatements(bytes, [&](Statement& statement, StatementSpan) {
        StatementKind kind =
            ParseStatement(statement, parse, parsed.playCalls, roster, parsed.totals);
        if (ShowsAGame(kind, statement)) parsed.gameLog = true;
    });
    parsed.statements = parse.statementCount;
    parsed.repeatedCalls = parse.repeatedCalls;
    if (parsed.repeatedCalls) parsed.bytes = std::move(bytes);
}

}  // namespace

PlayDB::AddResult PlayDB::AddLogFiles(
    const std::vector<std::string>& paths, std::set<std::string>& names,
    const std::function<bool(std::size_t done, std::size_t total)>& progress, unsigned threads) {
    AddResult result;
    using Parsed = std::unique_ptr<ParsedLog>;
    auto parse = [&](std::size_t i) {
        auto log = std::make_unique<ParsedLog>();
        ParseAlone(paths[i], *log);
        return log;
    };
    MakeInOrder<Parsed>(paths.size(), threads, parse, [&](std::size_t i, Parsed& log) {
        bool gameLog = false;
        if (!log->readable) {
            AddLog(nullptr, names);
            result.failures.push_back({paths[i], log->error, true});
        } else if (log->repeatedCalls) {
            // Its second play-call sentences add running totals that include what the DB
            // held before: only reading it into the DB itself gives them.
            gameLog = AddLog(&log->bytes, names);
        } else {
            log->messages.Replay(*diagnostics, statementCount);
            statementCount = static_cast<std::int32_t>(static_cast<std::uint32_t>(statementCount) +
                                                       static_cast<std::uint32_t>(log->statements));
            playCalls.AddTable(std::move(log->playCalls));
            names.insert(log->totals[0].name.str());
            names.insert(log->totals[1].name.str());
            for (TeamTotals& club : log->totals)
                MergeTeamTotals(std::make_unique<TeamTotals>(club));
            gameLog = log->gameLog;
        }
        if (log->readable && !gameLog) {
            result.failures.push_back({paths[i], std::string(log->notAGameLog), false});
        }
        ++result.added;
        return !progress || progress(i + 1, paths.size());
    });
    return result;
}

bool PlayDB::AddLog(const std::string* logBytes, std::set<std::string>& names) {
    std::array<TeamTotals, 2> totals;
    bool gameLog = false;
    if (logBytes) {
        gameLog = ImportLog(*logBytes, names, totals);
    } else {
        names.insert(std::string());
    }
    for (TeamTotals& club : totals) MergeTeamTotals(std::make_unique<TeamTotals>(club));
    return gameLog;
}

bool PlayDB::HasTeam(std::string_view team) const {
    if (teamTotals.contains(std::string(team))) return true;
    std::set<std::string> names;
    playCalls.CollectTeamNames(names);
    return names.contains(std::string(team));
}

int PlayDB::DeleteTeam(std::string_view team) {
    // An empty name would remove every play call of the table.
    if (team.empty()) return 0;
    int removed = playCalls.RemoveTeamPlayCalls(team);
    teamTotals.erase(std::string(team));
    return removed;
}

std::vector<std::string> PlayDB::TeamNames() const {
    std::set<std::string> names;
    playCalls.CollectTeamNames(names);
    std::vector<std::string> listed;
    for (const std::string& name : names) {
        if (name.empty()) continue;
        bool known = std::any_of(listed.begin(), listed.end(), [&](const std::string& other) {
            return CompareNoCase(name, other) == 0;
        });
        if (!known) listed.push_back(name);
    }
    std::stable_sort(listed.begin(), listed.end(), [](const std::string& a, const std::string& b) {
        return CompareNoCase(a, b) < 0;
    });
    return listed;
}

}  // namespace gridtally
