#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gridtally {

struct GameState;

// What a situation statement tells beyond the GameState: the quarter and the clock, where
// the ball is and the score. Each field stays unread when its sentence does not give it.
struct SituationReading {
    std::int32_t quarter = 0;    // 1 to 4, 5 in overtime; 0 unread
    std::int32_t clock = -1;     // seconds left in the quarter; -1 unread
    std::int32_t yardLine = -1;  // yards from the offense's own goal line, 0 to 100; -1 unread
    struct Side {
        std::string name;
        std::int32_t points = 0;
    };
    std::optional<std::array<Side, 2>> score;  // in the sentence's order
};

// Reads a marked situation statement into `state`: its first sentence gives the side
// with the ball and the yard line, the second the down and distance, the fourth the
// score and with it the defense. Fields a sentence does not give keep their values.
// Returns -1 when the statement has no SentenceMark at all, else 0.
// `reading`, when given, receives the rest of what the statement tells.
int ParseSituation(std::string_view statement, GameState& state,
                   SituationReading* reading = nullptr);

}  // namespace gridtally
