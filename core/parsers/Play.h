#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/playcalls/PlayCallRec.h"
#include "core/playcalls/PlayKind.h"
#include "core/playcalls/PlayTrace.h"

namespace gridtally {

// What a play was, as the play-by-play table names it.
enum class PlayType : std::uint8_t {
    Run,
    Pass,
    Sack,
    Kickoff,
    Punt,
    FieldGoal,
    ExtraPoint,
    Other,
};
inline constexpr std::array<std::string_view, 8> kPlayTypeNames{
    "run", "pass", "sack", "kickoff", "punt", "field_goal", "extra_point", "other"};
inline std::string_view PlayTypeName(PlayType type) {
    return kPlayTypeNames[static_cast<std::size_t>(type)];
}

// The side of a play that scored on it: the offense is the side whose call the play was.
enum class ScoringSide : std::uint8_t { None, Offense, Defense };
inline std::string_view ScoringSideName(ScoringSide side) {
    switch (side) {
        case ScoringSide::Offense:
            return "offense";
        case ScoringSide::Defense:
            return "defense";
        default:
            return "";
    }
}

// One counter change of a play, its player given by his place in the game's roster.
struct PlayerCredit {
    std::uint32_t player = 0;
    std::uint8_t counter = 0;  // index in record order (kPlayerCounterFields)
    std::int32_t delta = 0;
};

// One play statement of a game with the situation it began in and what it brought.
struct Play {
    std::int32_t seq = 0;      // from 1 in each game
    std::int32_t quarter = 0;  // 1 to 4, 5 in overtime; 0 unread
    std::int32_t clock = -1;   // seconds left in the quarter; -1 unread
    std::string offense;       // the side whose call the play was
    std::string defense;
    std::int32_t down = 0;  // 1 to 4; 0 when none was read
    std::int32_t toGo = 0;
    std::int32_t yardLine = -1;     // yards from the offense's own goal line; -1 unread
    std::int32_t offenseScore = 0;  // before the play
    std::int32_t defenseScore = 0;
    PlayType type = PlayType::Other;
    PlayKind parsedKind = PlayKind::None;  // what the parser made of it, as a call's kind
    PlayCallRec results;                   // the play's result counters
    std::int32_t points = 0;
    ScoringSide scoringSide = ScoringSide::None;
    bool touchdown = false;
    bool turnover = false;  // an interception or a fumble the other side kept
    bool safety = false;
    bool scoreMismatch = false;     // the next score read is not the score after this play
    std::int32_t sackLoss = -1;     // a sack's "for a loss of N yards"; -1 when not said
    std::int32_t ballHandler = -1;  // roster places; -1 for nobody
    std::int32_t passer = -1;
    std::int32_t tallyRecord = -1;  // which of the game's TeamTotals counted it; -1 none
    std::size_t textOffset = 0;     // the statement's place in its file
    std::size_t textLength = 0;
    std::uint32_t firstCredit = 0;
    std::uint32_t creditCount = 0;
    std::uint32_t firstCall = 0;  // its play-call entries (one per "That was " sentence)
    std::uint32_t callCount = 0;
};

// The yards a play's text says it lost ("for a loss of N yards"); nothing when it says
// no such number.
std::optional<std::int32_t> LossOfYards(std::string_view text);

// The play-by-play table of one game: the plays in order, and the credits and play-call
// entries they point into.
struct GamePlays {
    std::vector<Play> plays;
    std::vector<PlayerCredit> credits;
    std::vector<CallEntry> calls;
    // The score after the last play: the last score read plus the points after it.
    std::map<std::string, std::int32_t, std::less<>> finalScore;

    void Clear() {
        plays.clear();
        credits.clear();
        calls.clear();
        finalScore.clear();
    }
    std::int32_t FinalScoreOf(std::string_view club) const {
        auto found = finalScore.find(club);
        return found == finalScore.end() ? 0 : found->second;
    }
    // The play-call entry whose names the table shows: the play's last one.
    const CallEntry* ShownCall(const Play& play) const {
        return play.callCount == 0 ? nullptr : &calls[play.firstCall + play.callCount - 1];
    }
};

}  // namespace gridtally
