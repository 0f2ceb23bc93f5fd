#pragma once

#include <cstdint>

#include "core/lists/PlayListContent.h"

namespace gridtally {

class PlayModel;
struct PlayRec;

// The answer of the play adjustment dialog: the kind ticked (0 run, 1 pass) and the
// delete box.
struct PlayAdjustment {
    std::int32_t playType = 0;
    bool deletePlay = false;
};

// The answer the dialog starts with for a row of `list`: that list's own kind, so that
// OK without a change changes nothing.
PlayAdjustment InitialPlayAdjustment(PlayListKind list);

enum class AdjustmentResult { Unchanged, Removed, Moved };

// Applies an OK'd answer to a row's record of the run or pass list, in this order of
// precedence: a ticked delete box removes the call; a run play answered "Pass Play"
// joins the pass call of its name (a run that lost yards counts its calls as sacks
// there); a pass play answered "Run Play" joins the run call of its name. The record is
// left with its own kind. The defensive list and an answer of the list's own kind
// change nothing.
AdjustmentResult AdjustPlayCall(PlayModel& model, PlayListKind list, PlayRec& record,
                                const PlayAdjustment& answer);

}  // namespace gridtally
