#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/playcalls/PlayCallRec.h"
#include "core/playcalls/PlayKind.h"
#include "core/text/Diagnostics.h"

namespace gridtally {

struct PlayerRec;

// One change to one player's counter: the index of the counter in record order and the
// amount added (for longestFieldGoal, the distance of the kick made).
struct CounterChange {
    const PlayerRec* player = nullptr;
    std::uint8_t counter = 0;
    std::int32_t delta = 0;
};

// One play-call sentence as it was credited to the play-call table: the offense's call
// and, when named, the defense's, with the play's results at that moment.
struct CallEntry {
    PlayKind kind = PlayKind::None;  // of the offense's call
    std::string offenseTeam;
    std::string offensePlay;
    std::int32_t offenseNumber = -1;  // -1 when the sentence gave none
    bool hasDefense = false;
    std::string defenseTeam;
    std::string defensePlay;
    std::int32_t defenseNumber = -1;
    PlayCallRec results;
};

// What the play parsers tell besides the counters and the table they change: their
// messages and, while a reading keeps the play-by-play table, every counter change and
// play-call entry of the play being read.
struct PlayTrace {
    DiagnosticsSink* diagnostics = &StandardStreams();
    bool record = false;
    std::vector<CounterChange> changes;
    std::vector<CallEntry> calls;
    // Play-call sentences of the play: a second one adds the call's running totals.
    std::int32_t callSentences = 0;

    void Clear() {
        changes.clear();
        calls.clear();
        callSentences = 0;
    }
};

}  // namespace gridtally
