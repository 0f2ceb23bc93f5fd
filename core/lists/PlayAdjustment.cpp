#include "core/lists/PlayAdjustment.h"

#include "core/model/Counter.h"
#include "core/playcalls/PlayModel.h"
#include "core/playcalls/PlayRec.h"

namespace gridtally {
namespace {

constexpr std::int32_t kRunType = 0;
constexpr std::int32_t kPassType = 1;

// Adds the record's counters to the call of `to`, then removes its own call.
void MoveTo(PlayModel& model, PlayRec& record, PlayKind to) {
    PlayKind own = record.key.kind;
    record.key.kind = to;
    model.AddPlayCall(record);
    record.key.kind = own;
    model.RemovePlayCall(record);
}

}  // namespace

PlayAdjustment InitialPlayAdjustment(PlayListKind list) {
    return {list == PlayListKind::Pass ? kPassType : kRunType, false};
}

AdjustmentResult AdjustPlayCall(PlayModel& model, PlayListKind list, PlayRec& record,
                                const PlayAdjustment& answer) {
    if (list == PlayListKind::Defense) return AdjustmentResult::Unchanged;
    if (answer.deletePlay) {
        model.RemovePlayCall(record);
        return AdjustmentResult::Removed;
    }
    if (list == PlayListKind::Run && answer.playType != kRunType) {
        // A "run" that lost ground was a sack of a called pass.
        if (record.results.yards < 0) AddTo(record.results.sacks, record.results.calls);
        MoveTo(model, record, PlayKind::Pass);
        return AdjustmentResult::Moved;
    }
    if (list == PlayListKind::Pass && answer.playType != kPassType) {
        MoveTo(model, record, PlayKind::Run);
        return AdjustmentResult::Moved;
    }
    return AdjustmentResult::Unchanged;
}

}  // namespace gridtally
