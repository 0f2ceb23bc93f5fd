#pragma once

#include <string_view>

#include "core/playcalls/PlayKind.h"

namespace gridtally {

class PlayCallTable;
class PlayerRoster;
struct GameState;
struct PlayRec;

// Reads one marked play statement: credits its players in `roster` and its play calls
// in `table`, and may change the offense and defense of `state` (a pass names the side
// that threw, a kick return swaps the sides). Returns what the play was: run, pass,
// kick, called back (nothing credited), or none recognised. `play` gathers the play;
// its trace is kept, everything else is set anew.
PlayKind ParsePlayStatement(std::string_view statement, GameState& state, PlayCallTable& table,
                            PlayerRoster& roster, PlayRec& play);

}  // namespace gridtally
