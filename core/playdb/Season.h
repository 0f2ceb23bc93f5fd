#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/game/PlayFilter.h"
#include "core/game/PlayMeasures.h"
#include "core/lists/ListColumn.h"
#include "core/model/PlayerRoster.h"
#include "core/model/TeamTotals.h"
#include "core/parsers/Play.h"
#include "core/playcalls/PlayCallTable.h"
#include "core/playcalls/PlayModel.h"
#include "core/reports/GamePrintout.h"
#include "core/text/DataTable.h"
#include "core/text/Failure.h"

namespace gridtally {

// A player of a season: one name within one club, as his records carry the club. His
// first mention fixes position and number.
struct SeasonPlayer {
    std::string club;
    std::string name;
    std::string position;
    std::int32_t number = 0;
};

// One game of a season: its log, clubs, final score and play-by-play table.
struct SeasonGame {
    std::string file;                          // as it was named or found
    std::array<std::string, 2> clubs;          // as the log names them; empty if it does not
    std::array<std::int32_t, 2> finalScore{};  // the clubs' in that order
    std::int32_t home = -1;  // which of the clubs is at home; -1 when the log does not say
    std::array<std::string, 2> tallyClubs;  // the names its TeamTotals counted under
    // Never changed once read, so copies of a season share it.
    std::shared_ptr<const GamePlays> plays;
    // The bytes it was read from (the statements' text), when the season keeps them.
    std::shared_ptr<const std::string> fileBytes;
    std::vector<std::uint32_t> players;  // the game's roster places: season players
    std::int32_t scoreMismatches = 0;
};

// What one club's pages show over the plays a filter chooses: its players with their
// figures and games, its play calls and its tendencies. The pages read it as they read
// a game.
class SeasonClub : public PlayModel {
public:
    explicit SeasonClub(std::string club) : PlayModel(ModelKind::GameLog), club_(std::move(club)) {}

    TeamTotals* FindTeamTotals(std::string_view team) override;
    void CollectPlayCalls(PlayKind kind, std::string_view team,
                          std::vector<std::unique_ptr<PlayRec>>& list) override;
    const PlayerRoster* Players() const override { return &roster; }
    const std::function<std::int32_t(const PlayerRec&)>* GamesPlayed() const override {
        return &gamesPlayed_;
    }
    // Becomes `figures` (of this club or another), which is left empty: the pages that
    // read this club read those figures from then on.
    void Take(SeasonClub&& figures);

    std::vector<PrintoutPage> Pages();
    std::vector<ExportPage> Export();

    const std::string& club() const { return club_; }
    PlayerRoster roster;
    std::vector<std::int32_t> games;  // per roster place
    PlayCallTable playCalls;
    TeamTotals totals;

private:
    std::string club_;
    std::function<std::int32_t(const PlayerRec&)> gamesPlayed_ = [this](const PlayerRec& player) {
        return games[roster.IndexOf(&player)];
    };
};

// Any number of game logs read as one: their plays, and per club its players. A copy
// is cheap: the games' play tables are shared, so a reader may change a copy while
// another thread reads the original.
class Season {
public:
    // Keep each game's file bytes with it (for a window that shows the plays' text);
    // set before reading.
    bool keepFileBytes = false;

    struct ReadResult {
        std::size_t read = 0;  // files looked at
        std::vector<Failure> failures;
        bool stopped = false;
    };
    // Reads game logs: files named, and in each folder named the files with game log
    // names, in name order (ExpandLogPaths). Each that cannot be read or is no game log
    // is a failure; the others are read all the same. Files are parsed on
    // `threads` threads (0: every core) and joined in order, so the result never depends
    // on timing. `progress` hears of each file joined; when it answers false, reading
    // stops there.
    ReadResult Read(const std::vector<std::string>& paths, unsigned threads = 0,
                    const std::function<bool(std::size_t done, std::size_t total)>& progress = {});

    // Adds one log given as its bytes; false, adding nothing, when it is no game log.
    bool AddLog(const std::string& file, std::string_view bytes);

    // What following one file did to the season.
    enum class Change { None, Added, Replaced, Removed };
    // Takes a file of the season's folder as it is now, as reading the folder afresh
    // would: a game log joins among the games in name order, or takes the place of what
    // was read from that file before; a file that is no (longer a) game log leaves, and
    // one without a game log name is never one.
    Change Follow(const std::string& file, std::string bytes);
    // A file that is gone: its game leaves the season.
    Change Remove(const std::string& file);

    const std::vector<SeasonGame>& games() const { return games_; }
    const std::vector<SeasonPlayer>& players() const { return players_; }
    // The clubs of its games, ordered without regard to case. Names that differ only in
    // case stay two clubs here, unlike a Play DB's TeamNames: a season's games name
    // their clubs exactly, and each name is a club of its own.
    std::vector<std::string> Clubs() const;
    bool HasClub(std::string_view club) const;

    // A club's figures over the plays the filter chooses.
    std::unique_ptr<SeasonClub> Club(std::string_view club, const PlayFilter& filter = {}) const;
    // Whether a club's games count a game: it played in it, and a play of it is chosen.
    std::int32_t PlaysChosen(const SeasonGame& game, const PlayFilter& filter) const;

    // The first page of a season: its games with clubs, final score, plays and score
    // mismatches. With a club, only its games; with a filter, only games holding a play
    // it chooses, and only those plays counted.
    PrintoutPage GamesPage(const PlayFilter& filter = {}, std::string_view club = {}) const;
    // The Games page's columns, printed and on screen: File, Away, Home, Score, Result
    // (text), Plays, Mismatches (numbers).
    static std::span<const ListColumn> GamesColumns();
    static constexpr int kGamesTextColumns = 5;
    ExportPage GamesExport(const PlayFilter& filter = {}, std::string_view club = {}) const;

    // The games the Games page lists, in its order, with the plays it counts in each.
    std::vector<std::pair<const SeasonGame*, std::int32_t>> GamesListed(
        const PlayFilter& filter, std::string_view club) const;

    // The plays the filter chooses whose offense or defense is the club (every play with
    // no club), and the games that hold one of them.
    struct Count {
        std::int64_t plays = 0;
        std::int64_t games = 0;
    };
    Count Counted(const PlayFilter& filter, std::string_view club) const;
    // That count in words: "Otters - down 3; zone red-zone - 41 plays in 9 games".
    std::string CountText(const PlayFilter& filter, std::string_view club) const;
    static bool PlayOfClub(const Play& play, std::string_view club);

private:
    void Join(SeasonGame game, std::vector<SeasonPlayer> roster);
    // Numbers the players again from the games in their order, as a new reading would.
    void Rejoin();

    std::vector<SeasonGame> games_;
    std::vector<std::vector<SeasonPlayer>> rosters_;  // per game, its players as read
    std::vector<SeasonPlayer> players_;
    std::map<std::pair<std::string, std::string>, std::uint32_t> playerIds_;  // (club, name)
};

// The season's expected-points model, fitted from every play read whatever a filter
// chooses, and each game's drives and measures under it.
struct SeasonMeasures {
    EpModel model;
    std::vector<GameMeasures> games;  // one per game, in the season's order
};
SeasonMeasures MeasureSeason(const Season& season);

// One row per drive whose first play the filter chooses: game, drive, offense, defense,
// quarter, clock, start_yard_line, plays, yards, first_downs, result, points.
DataTable DrivesTable(const Season& season, const SeasonMeasures& measures,
                      const PlayFilter& filter = {});
// The model's cells: down, to_go, yard_line, plays, mean_value, estimate.
DataTable EpModelTable(const EpModel& model);

}  // namespace gridtally
