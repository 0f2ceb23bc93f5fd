#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/parsers/Play.h"

namespace gridtally {

// What works: drives, the yards a play gained from spot to spot, first downs, success
// and expected points, as analysts of play-by-play tables compute them. Every figure
// is a function of the plays table alone, so that a script can recompute it from
// `plays --format csv`.

// A run, pass, sack, punt, field goal or other play whose down was read: the plays
// drives are made of. Kick-offs and extra points are none.
bool IsScrimmagePlay(const Play& play);

// A score is any play with points but an extra point: a touchdown is worth 7, a field
// goal 3, a safety 2. Nothing for a play that scored none.
std::optional<std::int32_t> ScoreValue(const Play& play);
// The club that scored on a play.
const std::string& ScoringClub(const Play& play);

enum class DriveResult : std::uint8_t {
    OppTouchdown,
    Safety,
    Touchdown,
    FieldGoal,
    MissedFieldGoal,
    Punt,
    Turnover,
    Downs,
    EndOfHalf,
    Other,
};
std::string_view DriveResultName(DriveResult result);  // "opp_touchdown", ...

// A club's series of scrimmage plays, from the first to the last of one possession.
struct Drive {
    std::int32_t number = 0;         // from 1 in its game
    std::vector<std::size_t> plays;  // places in the game's plays, in order
    std::int32_t yards = 0;          // the known yards gained of its plays
    std::int32_t firstDowns = 0;
    DriveResult result = DriveResult::Other;
    std::int32_t points = 0;  // the offense's, with the extra point after a touchdown
};

// What one play measures beyond what was read.
struct PlayMeasure {
    std::int32_t drive = 0;  // its drive's number; 0 for a play of no drive
    std::optional<std::int32_t> yardsGained;
    std::optional<bool> firstDown;  // scrimmage plays only
    std::optional<bool> success;    // runs, passes and sacks only
    std::optional<double> ep;       // expected points before it, with a model
    std::optional<double> epa;      // expected points it added
};

struct GameMeasures {
    std::vector<PlayMeasure> plays;  // one per play of the game
    std::vector<Drive> drives;
};

// Expected points by the next score of the half, fitted over many games: per down, yards
// to go (<=1, 2-3, 4-6, 7-10, 11+) and ten-yard bin of the field, each cell shrunk toward
// its down and bin, and that toward its bin, and that toward the mean, by 20 plays.
class EpModel {
public:
    static constexpr double kShrink = 20;
    static constexpr int kDowns = 4, kBuckets = 5, kBins = 10;
    // The yards-to-go buckets as ep-model prints them.
    static constexpr std::array<std::string_view, kBuckets> kBucketNames{"1", "2-3", "4-6", "7-10",
                                                                         "11+"};
    static int BucketOf(std::int32_t toGo);
    static int BinOf(std::int32_t yardLine);

    // Takes a game's plays into the fit; Fit once all are in.
    void Add(const GamePlays& game);
    void Fit();

    struct Cell {
        std::int32_t plays = 0;
        double sum = 0;  // of the plays' values
        double estimate = 0;
    };
    const Cell& At(int down, int bucket, int bin) const {
        return cells_[static_cast<std::size_t>(((down - 1) * kBuckets + bucket) * kBins + bin)];
    }
    // EP at a play's down, distance and yard line, between the bins' estimates; nothing
    // for a play of which one was not read.
    std::optional<double> ExpectedPoints(const Play& play) const;

private:
    std::array<Cell, kDowns * kBuckets * kBins> cells_{};
};

// The value a play's fit counts: the next score of its game and half from its own on,
// from its offense's view; 0 when the half ends without one. Per play of the game,
// nothing where down, distance or yard line was not read or it is no scrimmage play.
std::vector<std::optional<double>> NextScoreValues(const GamePlays& game);

// A game's drives and its plays' measures; with a model, their EP and EPA too.
GameMeasures MeasureGame(const GamePlays& game, const EpModel* model = nullptr);

}  // namespace gridtally
