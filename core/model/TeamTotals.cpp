#include "model/TeamTotals.h"

#include "model/GameState.h"

namespace gridtally {

int distanceBucket(std::int32_t toGo) {
    if (toGo < 2) return 0;
    if (toGo <= 5) return 1;
    if (toGo <= 10) return 2;
    return 3;
}

void CountPlayInTeamTotals(std::array<TeamTotals, 2>& teamTotals, const GameState& state,
                           PlayKind kind) {
    if (kind != PlayKind::Run && kind != PlayKind::Pass) return;

    TeamTotals& totals = teamTotals[0].name == state.offense ? teamTotals[0] : teamTotals[1];
    if (totals.name.empty()) totals.name = state.offense;

    if (state.down < 1 || state.down > 4) return;
    ++totals.counts[state.down - 1][distanceBucket(state.toGo)][static_cast<int>(kind)];
}

}  // namespace gridtally
