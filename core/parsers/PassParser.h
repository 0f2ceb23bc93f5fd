#pragma once

namespace gridtally {

class PlayerRoster;
class Sentences;
struct GameState;
struct PlayRec;

// Reads a pass: the passer (whose side becomes the state's offense), then a catch
// with its yards, an incompletion, a knock-down or an interception with its return,
// and the tackle in the second sentence.
void ParsePass(const Sentences& sentences, PlayRec& play, GameState& state, PlayerRoster& roster);

// Reads a sack: one sack for the passer (times sacked) and one for the sacker.
void ParseSack(const Sentences& sentences, PlayRec& play, PlayerRoster& roster);

}  // namespace gridtally
