#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/LogReader.h"
#include "core/parsers/Play.h"
#include "core/parsers/SituationParser.h"

namespace gridtally {

class PlayerRoster;
struct GameState;
struct PlayRec;

// A play statement as the parser left it.
struct ParsedPlay {
    const PlayRec& play;     // its state is the situation the play began in
    PlayKind result;         // what ParsePlayStatement returned
    const GameState& after;  // the state as the play's sentences left it
    int tallyRecord;         // the TeamTotals counted in, or -1
    StatementSpan span;
    std::string_view statement;  // marked
};

// Builds the play-by-play table of one reading: the situation statements give each play
// its quarter, clock, ball position and score; each play statement becomes one row with
// its results, credits and play-call entries. Keeps the score running from play to play
// and flags a play after which the log's next score differs.
class PlayRecorder {
public:
    explicit PlayRecorder(GamePlays& out) : out_(out) {}

    void Situation(const SituationReading& reading);
    // Takes the trace's play-call entries.
    void AddPlay(const ParsedPlay& parsed, PlayTrace& trace, const PlayerRoster& roster);
    // After the last statement: the score as it stands becomes the final score.
    void Finish() { out_.finalScore = score_; }

private:
    std::int32_t& ScoreOf(std::string_view club);
    void NameSidesOfPlayWithoutSituation(Play& row, const ParsedPlay& parsed) const;

    GamePlays& out_;
    std::optional<SituationReading> situation_;  // read since the last play
    std::int32_t quarter_ = 0;
    std::array<std::string, 2> clubs_;                        // as the last score named them
    std::map<std::string, std::int32_t, std::less<>> score_;  // as it stands, by club
    bool lastPlayChecked_ = true;  // the last play's score was compared with the log's
};

}  // namespace gridtally
