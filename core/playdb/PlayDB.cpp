#include "core/playdb/PlayDB.h"

#include <algorithm>

#include "core/model/Counter.h"
#include "core/model/GameState.h"
#include "core/model/LogReader.h"
#include "core/model/PlayerRoster.h"
#include "core/parsers/StatementParser.h"
#include "core/text/FileBytes.h"
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

PlayDB::AddResult PlayDB::AddLogFiles(
    const std::vector<std::string>& paths, std::set<std::string>& names,
    const std::function<bool(std::size_t done, std::size_t total)>& progress) {
    AddResult result;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        std::string bytes;
        std::string error;
        bool readable = ReadFileBytes(paths[i], bytes, &error);
        bool gameLog = AddLog(readable ? &bytes : nullptr, names);
        if (!readable) {
            result.failures.push_back({paths[i], error, true});
        } else if (!gameLog) {
            result.failures.push_back({paths[i], std::string(kNotAGameLog), false});
        }
        ++result.added;
        if (progress && !progress(i + 1, paths.size())) break;
    }
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
