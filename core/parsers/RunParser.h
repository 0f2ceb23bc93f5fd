#pragma once

#include <cstddef>

namespace gridtally {

class PlayerRoster;
class Sentences;
struct GameState;
struct PlayRec;

// Reads a run: hand-off, keeper or plain carry, its yards, a fumble with its recovery
// and return, and the tackle. Returns the index of the first sentence that the play
// statement's following-sentence rules should read.
std::size_t ParseRun(const Sentences& sentences, PlayRec& play, const GameState& state,
                     PlayerRoster& roster);

}  // namespace gridtally
