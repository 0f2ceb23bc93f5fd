#pragma once

#include "core/model/GameState.h"
#include "core/playcalls/PlayCallKey.h"
#include "core/playcalls/PlayCallRec.h"

namespace gridtally {

struct PlayerRec;

// One play while its statement is read, or one play call handed to a list: who had
// the ball, the call's key, the results and the situation the play began in.
struct PlayRec {
    PlayerRec* ballHandler = nullptr;  // the last player with the ball; not owned
    PlayerRec* passer = nullptr;       // not owned
    PlayCallKey key;
    PlayCallRec results;
    GameState state;
};

}  // namespace gridtally
