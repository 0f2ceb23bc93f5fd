#pragma once

#include "core/model/GameState.h"
#include "core/playcalls/PlayCallKey.h"
#include "core/playcalls/PlayCallRec.h"

namespace gridtally {

struct PlayTrace;
struct PlayerRec;

// One play while its statement is read, or one play call handed to a list: who had
// the ball, the call's key, the results and the situation the play began in.
struct PlayRec {
    PlayerRec* ballHandler = nullptr;  // the last player with the ball; not owned
    PlayerRec* passer = nullptr;       // not owned
    PlayerRec* recoverer = nullptr;    // of a fumble or a loose kick; not owned
    bool touchdown = false;            // a touchdown was scored on the play, by either side
    PlayCallKey key;
    PlayCallRec results;
    GameState state;
    // Where the parsers' messages go and what the reading keeps of the play; the
    // process's standard streams and nothing kept when there is none. Not owned.
    PlayTrace* trace = nullptr;
};

}  // namespace gridtally
