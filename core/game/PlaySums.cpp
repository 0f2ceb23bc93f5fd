#include "core/game/PlaySums.h"

#include <algorithm>

#include "core/model/Counter.h"
#include "core/playcalls/PlayCallKey.h"
#include "core/playcalls/PlayRec.h"

namespace gridtally {

void AddCredit(std::int32_t& counter, const PlayerCredit& credit) {
    if (kPlayerCounterFields[credit.counter].maximum) {
        counter = std::max(counter, credit.delta);
    } else {
        AddTo(counter, credit.delta);
    }
}

void AddCredits(const GamePlays& game, const Play& play, std::vector<PlayerCounters>& sums) {
    for (std::uint32_t i = 0; i < play.creditCount; ++i) {
        const PlayerCredit& credit = game.credits[play.firstCredit + i];
        if (credit.player >= sums.size()) sums.resize(credit.player + 1, PlayerCounters{});
        AddCredit(sums[credit.player][credit.counter], credit);
    }
}

void AddCredits(const GamePlays& game, const Play& play,
                const std::function<std::int32_t(std::uint32_t)>& placeOf,
                std::vector<PlayerCounters>& sums) {
    for (std::uint32_t i = 0; i < play.creditCount; ++i) {
        const PlayerCredit& credit = game.credits[play.firstCredit + i];
        std::int32_t place = placeOf(credit.player);
        if (place >= 0) AddCredit(sums[static_cast<std::size_t>(place)][credit.counter], credit);
    }
}

std::vector<PlayerCounters> SumCredits(const GamePlays& game, std::size_t players,
                                       const PlaySelection& select) {
    std::vector<PlayerCounters> sums(players, PlayerCounters{});
    for (const Play& play : game.plays) {
        if (!select || select(play)) AddCredits(game, play, sums);
    }
    return sums;
}

void AddCallEntry(const CallEntry& entry, PlayCallTable& table) {
    PlayRec rec;
    rec.key.team = entry.offenseTeam;
    rec.key.play = entry.offensePlay;
    rec.key.kind = entry.kind;
    rec.results = entry.results;
    if (entry.hasDefense) {
        PlayCallKey defense;
        defense.team = entry.defenseTeam;
        defense.play = entry.defensePlay;
        defense.kind = PlayKind::Defense;
        table.AddPlayResult(BuildKeyText(defense), PlayKind::Defense, rec);
    }
    table.AddPlayCall(rec);
}

void AddPlayCalls(const GamePlays& game, const Play& play, PlayCallTable& table,
                  std::string_view club) {
    for (std::uint32_t i = 0; i < play.callCount; ++i) {
        const CallEntry& entry = game.calls[play.firstCall + i];
        if (club.empty() || entry.offenseTeam == club ||
            (entry.hasDefense && entry.defenseTeam == club)) {
            AddCallEntry(entry, table);
        }
    }
}

PlayCallTable SumPlayCalls(const GamePlays& game, const PlaySelection& select) {
    PlayCallTable table;
    for (const Play& play : game.plays) {
        if (!select || select(play)) AddPlayCalls(game, play, table);
    }
    return table;
}

void CountInTotals(const Play& play, TeamTotals& totals) {
    ++totals.counts[play.down - 1][distanceBucket(play.toGo)][static_cast<int>(play.parsedKind)];
}

void AddToTeamTotals(const Play& play, std::array<TeamTotals, 2>& totals) {
    if (play.tallyRecord >= 0)
        CountInTotals(play, totals[static_cast<std::size_t>(play.tallyRecord)]);
}

PlayerCounters CountersOf(const PlayerRec& player) {
    PlayerCounters counters{};
    for (std::size_t i = 0; i < kPlayerCounterFields.size(); ++i) {
        counters[i] = player.*kPlayerCounterFields[i].member;
    }
    return counters;
}

}  // namespace gridtally
