#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/text/FixedText.h"

namespace gridtally {

// One player of a game with his statistics. Created only by FindOrAddPlayer; the
// counters are in record order.
struct PlayerRec {
    FixedText<64> name;
    FixedText<32> team;
    FixedText<4> position;
    std::int32_t number = 0;

    std::int32_t touchdowns = 0;
    std::int32_t fumbles = 0;
    std::int32_t fumbleRecoveries = 0;
    std::int32_t tackles = 0;
    std::int32_t passAttempts = 0;
    std::int32_t completions = 0;
    std::int32_t interceptionsThrown = 0;
    std::int32_t passTouchdowns = 0;
    std::int32_t passYards = 0;
    std::int32_t rushAttempts = 0;
    std::int32_t rushYards = 0;
    std::int32_t rushTouchdowns = 0;
    std::int32_t receptions = 0;
    std::int32_t receivingYards = 0;
    std::int32_t receivingTouchdowns = 0;
    std::int32_t sacks = 0;
    std::int32_t interceptions = 0;
    std::int32_t interceptionYards = 0;
    std::int32_t kickReturns = 0;
    std::int32_t kickReturnYards = 0;
    std::int32_t kickReturnTouchdowns = 0;
    std::int32_t puntReturns = 0;
    std::int32_t puntReturnYards = 0;
    std::int32_t puntReturnTouchdowns = 0;
    std::int32_t kicksBlocked = 0;
    std::int32_t knockdowns = 0;
    std::int32_t kickoffs = 0;
    std::int32_t kickoffTouchbacks = 0;
    std::int32_t punts = 0;
    std::int32_t puntGrossYards = 0;
    std::int32_t puntNetYards = 0;
    std::int32_t puntTouchbacks = 0;
    std::int32_t puntsBlocked = 0;
    std::int32_t fieldGoalsMade = 0;
    std::int32_t fieldGoalAttempts = 0;
    std::int32_t longestFieldGoal = 0;
    std::int32_t fieldGoalsBlocked = 0;
    std::int32_t extraPointsMade = 0;
    std::int32_t extraPointAttempts = 0;
    std::int32_t extraPointsBlocked = 0;

    // A season's player who kicked off, punted or tried a kick in any game, whatever the
    // filter: he belongs with the kickers even where the plays chosen hold no kick.
    bool kickedBeforeFilter = false;
};

struct PlayerCounterField {
    std::string_view name;
    std::int32_t PlayerRec::*member;
    // Over several plays the largest value counts, not the sum (the longest kick made).
    bool maximum = false;
};

// The 40 counters in record order, under their names, for code that walks them all.
inline constexpr std::array<PlayerCounterField, 40> kPlayerCounterFields{{
    {"touchdowns", &PlayerRec::touchdowns},
    {"fumbles", &PlayerRec::fumbles},
    {"fumbleRecoveries", &PlayerRec::fumbleRecoveries},
    {"tackles", &PlayerRec::tackles},
    {"passAttempts", &PlayerRec::passAttempts},
    {"completions", &PlayerRec::completions},
    {"interceptionsThrown", &PlayerRec::interceptionsThrown},
    {"passTouchdowns", &PlayerRec::passTouchdowns},
    {"passYards", &PlayerRec::passYards},
    {"rushAttempts", &PlayerRec::rushAttempts},
    {"rushYards", &PlayerRec::rushYards},
    {"rushTouchdowns", &PlayerRec::rushTouchdowns},
    {"receptions", &PlayerRec::receptions},
    {"receivingYards", &PlayerRec::receivingYards},
    {"receivingTouchdowns", &PlayerRec::receivingTouchdowns},
    {"sacks", &PlayerRec::sacks},
    {"interceptions", &PlayerRec::interceptions},
    {"interceptionYards", &PlayerRec::interceptionYards},
    {"kickReturns", &PlayerRec::kickReturns},
    {"kickReturnYards", &PlayerRec::kickReturnYards},
    {"kickReturnTouchdowns", &PlayerRec::kickReturnTouchdowns},
    {"puntReturns", &PlayerRec::puntReturns},
    {"puntReturnYards", &PlayerRec::puntReturnYards},
    {"puntReturnTouchdowns", &PlayerRec::puntReturnTouchdowns},
    {"kicksBlocked", &PlayerRec::kicksBlocked},
    {"knockdowns", &PlayerRec::knockdowns},
    {"kickoffs", &PlayerRec::kickoffs},
    {"kickoffTouchbacks", &PlayerRec::kickoffTouchbacks},
    {"punts", &PlayerRec::punts},
    {"puntGrossYards", &PlayerRec::puntGrossYards},
    {"puntNetYards", &PlayerRec::puntNetYards},
    {"puntTouchbacks", &PlayerRec::puntTouchbacks},
    {"puntsBlocked", &PlayerRec::puntsBlocked},
    {"fieldGoalsMade", &PlayerRec::fieldGoalsMade},
    {"fieldGoalAttempts", &PlayerRec::fieldGoalAttempts},
    {"longestFieldGoal", &PlayerRec::longestFieldGoal, true},
    {"fieldGoalsBlocked", &PlayerRec::fieldGoalsBlocked},
    {"extraPointsMade", &PlayerRec::extraPointsMade},
    {"extraPointAttempts", &PlayerRec::extraPointAttempts},
    {"extraPointsBlocked", &PlayerRec::extraPointsBlocked},
}};

}  // namespace gridtally
