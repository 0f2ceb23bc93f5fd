#include "cli/DumpCommand.h"

#include <algorithm>
#include <ostream>

#include "cli/CommandIo.h"
#include "core/game/GameLog.h"
#include "core/model/Statement.h"
#include "core/text/Diagnostics.h"
#include "core/text/Latin1.h"

namespace gridtally {
namespace {

using Json = nlohmann::ordered_json;

std::string Text(std::string_view latin1) { return Latin1ToUtf8(latin1); }

Json Messages(const std::vector<std::string>& messages) {
    Json list = Json::array();
    for (std::string_view message : messages) {
        if (message.ends_with('\n')) message.remove_suffix(1);
        list.push_back(Text(message));
    }
    return list;
}

}  // namespace

Json TeamTotalsJson(const TeamTotals& totals) {
    Json downs = Json::array();
    for (const auto& down : totals.counts) {
        Json buckets = Json::array();
        for (const auto& bucket : down) buckets.push_back(Json::array({bucket[0], bucket[1]}));
        downs.push_back(std::move(buckets));
    }
    return Json{{"name", Text(totals.name)}, {"counts", std::move(downs)}};
}

namespace {

Json PlayerJson(const PlayerRec& player) {
    Json json{{"name", Text(player.name)},
              {"team", Text(player.team)},
              {"position", Text(player.position)},
              {"number", player.number}};
    for (const PlayerCounterField& field : kPlayerCounterFields) {
        json[std::string(field.name)] = player.*field.member;
    }
    return json;
}

}  // namespace

Json PlayCallsJson(const PlayCallTable& table) {
    std::vector<const std::string*> keys;
    for (const auto& entry : table.records()) keys.push_back(&entry.first);
    std::sort(keys.begin(), keys.end(), [](auto* a, auto* b) { return *a < *b; });

    Json list = Json::array();
    for (const std::string* keyText : keys) {
        PlayCallKey key;
        SplitKeyText(*keyText, key);
        Json json{{"key", Text(*keyText)},
                  {"team", Text(key.team)},
                  {"play", Text(key.play)},
                  {"kind", static_cast<std::int32_t>(key.kind)}};
        const PlayCallRec& record = *table.Find(*keyText);
        for (const PlayCallCounterField& field : kPlayCallCounterFields) {
            json[std::string(field.name)] = record.*field.member;
        }
        list.push_back(std::move(json));
    }
    return list;
}

Json DumpGameLog(std::string_view fileBytes, bool* isGameLog) {
    DiagnosticsCapture capture;
    GameLog game;
    game.keepText = false;  // the dump holds no line of the log
    game.diagnostics = &capture;
    game.Load(fileBytes);
    if (isGameLog) *isGameLog = game.IsGameLog();

    Json json;
    json["statementCount"] = game.statementCount;
    json["team1Name"] = Text(game.team1Name);
    json["team2Name"] = Text(game.team2Name);
    json["teamTotals"] = Json::array();
    for (const TeamTotals& totals : game.teamTotals) {
        json["teamTotals"].push_back(TeamTotalsJson(totals));
    }
    json["players"] = Json::array();
    for (const auto& player : game.roster) json["players"].push_back(PlayerJson(*player));
    json["playCalls"] = PlayCallsJson(game.playCalls);
    json["stdout"] = Messages(capture.stdoutMessages());
    json["stderr"] = Messages(capture.stderrMessages());
    return json;
}

int RunDump(const std::string& path, Streams io) {
    std::string bytes;
    if (!ReadInputFile(path, bytes, io.err)) return kFileFailed;
    bool isGameLog = false;
    Json json = DumpGameLog(bytes, &isGameLog);
    if (!isGameLog) {
        ReportNotAGameLog(path, io.err, IsBinaryFile(bytes) ? kBinaryNotAGameLog : kNotAGameLog);
        return kFileFailed;
    }
    io.out << json.dump(2) << '\n';
    return io.out.good() ? kDone : kFileFailed;
}

}  // namespace gridtally
