#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/text/Diagnostics.h"

namespace gridtally {

class PlayerRoster;
struct GameState;
struct PlayRec;
struct PlayerRec;

// Adds `delta` to one counter of `player` (nobody when null), and keeps the change with
// the play when its reading records them.
void Credit(PlayRec& play, PlayerRec* player, std::int32_t PlayerRec::*counter, std::int32_t delta);
// A field goal made from `distance` yards: the kicker's longest grows to it if shorter.
void CreditFieldGoalDistance(PlayRec& play, PlayerRec* kicker, std::int32_t distance);

// Writes a parser message where the play's reading sends them.
void Report(const PlayRec& play, DiagnosticStream stream, std::string_view message);

// A player reference written after his side: "Rams's LB #54 Sam Okafor".
struct SidedReference {
    std::string_view team;
    std::string_view reference;
};

// The reference that starts three characters after the first apostrophe of `text`
// (past "'s ") and ends at `end`, with the text before the apostrophe as its side;
// nothing when no apostrophe comes before `end`.
std::optional<SidedReference> ReferenceAfterApostrophe(std::string_view text, std::size_t end);

// "Team's REF": split at the first "'s "; nothing when there is none.
std::optional<SidedReference> SplitAtPossessive(std::string_view text);

// A sentence with "is tackled by ": the tackler gets a tackle. Without a side named,
// a reference with a number is taken to be of the play's offense.
void CreditTackle(std::string_view sentence, PlayRec& play, PlayerRoster& roster);

// A sentence with "Touchdown, ": credits the ball handler and the play by its kind.
void CreditTouchdown(std::string_view sentence, PlayRec& play, const GameState& state);

// A fumble recovery sentence with "ball is recovered by ". `found` tells whether the
// sentence tells of one; `player` is the recoverer: the side named before "'s ", or
// `offense` for a bare reference with a number, or else `fallback`.
struct Recovery {
    bool found = false;
    PlayerRec* player = nullptr;
};
Recovery FindRecoverer(std::string_view sentence, std::string_view offense, PlayerRec* fallback,
                       PlayerRoster& roster);

// A fumble recovered: the recoverer (when known) gets the recovery and the ball, and
// `returnText`, read with the run phrases, gives his rushing yards. Returns the yards of
// the return when the text tells them; what they mean for the play call is the caller's.
std::optional<std::int32_t> CreditRecovery(PlayerRec* recoverer, std::string_view returnText,
                                           PlayRec& play);

}  // namespace gridtally
