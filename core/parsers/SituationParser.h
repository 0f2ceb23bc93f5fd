#pragma once

#include <string_view>

namespace gridtally {

struct GameState;

// Reads a marked situation statement into `state`: its first sentence gives the side
// with the ball and the yard line, the second the down and distance, the fourth the
// score and with it the defense. Fields a sentence does not give keep their values.
// Returns -1 when the statement has no SentenceMark at all, else 0.
int ParseSituation(std::string_view statement, GameState& state);

}  // namespace gridtally
