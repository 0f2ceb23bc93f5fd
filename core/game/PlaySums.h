#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "core/model/PlayerRec.h"
#include "core/model/TeamTotals.h"
#include "core/parsers/Play.h"
#include "core/playcalls/PlayCallTable.h"

namespace gridtally {

// Sums over a game's play-by-play table: what its players, play calls and clubs come to
// over the plays chosen. Over every play they are exactly the figures the game's reading
// gave its roster, play-call table and team totals.
using PlayerCounters = std::array<std::int32_t, kPlayerCounterFields.size()>;
using PlaySelection = std::function<bool(const Play&)>;  // empty: every play

// Per roster place; longestFieldGoal is the longest kick made, the others sums.
std::vector<PlayerCounters> SumCredits(const GamePlays& game, std::size_t players,
                                       const PlaySelection& select = {});

// Adds one credit to its counter: the sum, or for a maximum counter the largest value.
void AddCredit(std::int32_t& counter, const PlayerCredit& credit);
// Adds one play's credits to per-place counters.
void AddCredits(const GamePlays& game, const Play& play, std::vector<PlayerCounters>& sums);
// The same into counters of other places: `placeOf` maps a roster place of the game to
// its place in `sums`, -1 for a player not summed there.
void AddCredits(const GamePlays& game, const Play& play,
                const std::function<std::int32_t(std::uint32_t)>& placeOf,
                std::vector<PlayerCounters>& sums);

// Credits the play-call table with one call entry, as the reading did.
void AddCallEntry(const CallEntry& entry, PlayCallTable& table);
// Credits the play-call table with one play's call entries; with `club`, only the
// entries whose offense or defense it is.
void AddPlayCalls(const GamePlays& game, const Play& play, PlayCallTable& table,
                  std::string_view club = {});
PlayCallTable SumPlayCalls(const GamePlays& game, const PlaySelection& select = {});

// Counts one play in the TeamTotals record that its reading counted it in.
void AddToTeamTotals(const Play& play, std::array<TeamTotals, 2>& totals);
// Counts one play of a tallied record in `totals`.
void CountInTotals(const Play& play, TeamTotals& totals);

// The counters of a record in record order.
PlayerCounters CountersOf(const PlayerRec& player);

}  // namespace gridtally
