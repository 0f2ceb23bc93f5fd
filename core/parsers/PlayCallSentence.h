#pragma once

#include <string_view>

namespace gridtally {

class PlayCallTable;
struct PlayRec;

// Reads "That was OFFENSE PLAY (n) against TEAM's DEFENSE PLAY (m)." and credits the
// play twice: to the defense's call, then (with `calls` set) to the offense's call. The
// offense is credited even when a play name cannot be read. Returns -1 when a play name
// cannot be read, else 0.
int ReadPlayCallSentence(std::string_view sentence, PlayRec& play, PlayCallTable& table);

}  // namespace gridtally
