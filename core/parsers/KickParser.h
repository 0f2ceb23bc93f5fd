#pragma once

namespace gridtally {

class PlayerRoster;
class Sentences;
struct GameState;
struct PlayRec;

// Reads a kick-off, punt, field goal or extra point: kicker, returner, blocker and
// recoverer, and the sentences of the return, touchback, fair catch, net yardage and
// good or blocked kick. Sets the state's kickKind for the touchdown sentence, and
// swaps offense and defense before a coverage tackle. The last sentence of the text
// is never read here. Returns 0, or -1 where the kick sentence cannot be read.
int ParseKick(const Sentences& sentences, PlayRec& play, GameState& state, PlayerRoster& roster);

}  // namespace gridtally
