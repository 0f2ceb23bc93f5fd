#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "cli/CommandIo.h"

namespace gridtally {

class PlayCallTable;
class TeamTotals;

// {"name", "counts": [down][bucket][run, pass]}.
nlohmann::ordered_json TeamTotalsJson(const TeamTotals& totals);
// The records sorted by key text bytewise: key, team, play, kind and the 15 counters.
nlohmann::ordered_json PlayCallsJson(const PlayCallTable& table);

// The game model of one log as JSON: statement count, team names and totals, players,
// play calls and the diagnostic messages written while reading. Text is UTF-8, each
// log byte taken as a Latin-1 code point. `isGameLog` hears whether the text held a
// situation or play statement.
nlohmann::ordered_json DumpGameLog(std::string_view fileBytes, bool* isGameLog = nullptr);

// Runs `dump` on a file: the JSON on `out`, or a one-line message on `err`. Returns
// the exit status.
int RunDump(const std::string& path, Streams io);

}  // namespace gridtally
