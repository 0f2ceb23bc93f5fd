#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "core/model/PlayerRec.h"
#include "core/model/PlayerRoster.h"
#include "core/playcalls/PlayCallRec.h"
#include "core/playcalls/PlayCallTable.h"

namespace gridtally {

// "Dario Vance (Otters) rushAttempts 1 rushYards 7": a record's counters that are not
// 0, in record order, under their names. One string says all a record holds, and a
// failed comparison shows both records whole.
template <class Record, class Fields>
std::string CounterLine(std::string head, const Record& record, const Fields& fields) {
    for (const auto& field : fields) {
        if (record.*field.member == 0) continue;
        head += ' ' + std::string(field.name) + ' ' + std::to_string(record.*field.member);
    }
    return head;
}

inline std::string CallLine(const std::string& key, const PlayCallRec& record) {
    return CounterLine(key, record, kPlayCallCounterFields);
}

// Every player in the order met, his side in brackets.
inline std::vector<std::string> RosterLines(const PlayerRoster& roster) {
    std::vector<std::string> lines;
    for (const auto& player : roster) {
        lines.push_back(CounterLine(player->name.str() + " (" + player->team.str() + ")", *player,
                                    kPlayerCounterFields));
    }
    return lines;
}

// Every play call, by key.
inline std::vector<std::string> CallLines(const PlayCallTable& table) {
    std::vector<std::string> lines;
    for (const auto& [key, record] : table.records()) lines.push_back(CallLine(key, *record));
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace gridtally
