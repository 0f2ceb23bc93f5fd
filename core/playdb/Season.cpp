#include "core/playdb/Season.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "core/game/GameLog.h"
#include "core/text/FileBytes.h"
#include "core/text/InOrder.h"
#include "core/text/Latin1.h"
#include "core/text/LogPaths.h"
#include "core/text/TextScan.h"

namespace gridtally {
namespace {

namespace fs = std::filesystem;

// A log as a worker leaves it for the join.
struct Parsed {
    bool readable = false;
    std::string error;
    bool gameLog = false;
    std::string_view notAGameLog;  // why, when it is none
    SeasonGame game;
    std::vector<SeasonPlayer> roster;  // the game's players, in roster order
};

Parsed ParseBytes(const std::string& file, std::string_view bytes) {
    Parsed parsed;
    parsed.readable = true;
    GameLog log;
    log.keepText = false;
    log.keepPlays = true;
    log.diagnostics = &NoDiagnostics();
    log.Load(bytes);
    parsed.gameLog = log.IsGameLog();
    parsed.notAGameLog = log.NotAGameLogReason();
    if (!parsed.gameLog) return parsed;
    SeasonGame& game = parsed.game;
    game.file = file;
    game.clubs = {log.team1Name.str(), log.team2Name.str()};
    game.tallyClubs = {log.teamTotals[0].name.str(), log.teamTotals[1].name.str()};
    game.home = HomeClub(
        bytes, log.plays.plays.empty() ? bytes.size() : log.plays.plays[0].textOffset, game.clubs);
    for (int i : {0, 1}) game.finalScore[i] = log.plays.FinalScoreOf(game.clubs[i]);
    game.scoreMismatches = static_cast<std::int32_t>(
        std::count_if(log.plays.plays.begin(), log.plays.plays.end(),
                      [](const Play& play) { return play.scoreMismatch; }));
    game.plays = std::make_shared<const GamePlays>(std::move(log.plays));
    for (const auto& player : log.roster) {
        parsed.roster.push_back(
            {player->team.str(), player->name.str(), player->position.str(), player->number});
    }
    return parsed;
}

// The bytes go with the game only when kept; otherwise they go with the parse.
Parsed ParseKeeping(const std::string& file, std::string bytes, bool keep) {
    Parsed parsed = ParseBytes(file, bytes);
    if (keep && parsed.gameLog) {
        parsed.game.fileBytes = std::make_shared<const std::string>(std::move(bytes));
    }
    return parsed;
}

Parsed ParseOne(const LogPath& file, bool keep) {
    Parsed parsed;
    if (!file.error.empty()) {
        parsed.error = file.error;
        return parsed;
    }
    std::string bytes;
    if (!ReadFileBytes(file.path, bytes, &parsed.error)) return parsed;
    return ParseKeeping(file.path, std::move(bytes), keep);
}

}  // namespace

Season::ReadResult Season::Read(
    const std::vector<std::string>& paths, unsigned threads,
    const std::function<bool(std::size_t done, std::size_t total)>& progress) {
    std::vector<LogPath> jobs = ExpandLogPaths(paths);

    ReadResult result;
    MakeInOrder<Parsed>(
        jobs.size(), threads, [&](std::size_t i) { return ParseOne(jobs[i], keepFileBytes); },
        [&](std::size_t i, Parsed& parsed) {
            ++result.read;
            if (!parsed.readable) {
                result.failures.push_back({jobs[i].path, parsed.error, true});
            } else if (!parsed.gameLog) {
                result.failures.push_back({jobs[i].path, std::string(parsed.notAGameLog), false});
            } else {
                Join(std::move(parsed.game), std::move(parsed.roster));
            }
            if (progress && !progress(i + 1, jobs.size())) {
                result.stopped = true;
                return false;
            }
            return true;
        });
    return result;
}

bool Season::AddLog(const std::string& file, std::string_view bytes) {
    Parsed parsed =
        keepFileBytes ? ParseKeeping(file, std::string(bytes), true) : ParseBytes(file, bytes);
    if (parsed.gameLog) Join(std::move(parsed.game), std::move(parsed.roster));
    return parsed.gameLog;
}

void Season::Join(SeasonGame parsed, std::vector<SeasonPlayer> roster) {
    SeasonGame& game = games_.emplace_back(std::move(parsed));
    for (const SeasonPlayer& player : roster) {
        auto [at, added] = playerIds_.try_emplace({player.club, player.name},
                                                  static_cast<std::uint32_t>(players_.size()));
        if (added) players_.push_back(player);
        game.players.push_back(at->second);
    }
    rosters_.push_back(std::move(roster));
}

void Season::Rejoin() {
    std::vector<SeasonGame> games = std::move(games_);
    std::vector<std::vector<SeasonPlayer>> rosters = std::move(rosters_);
    games_.clear();
    rosters_.clear();
    players_.clear();
    playerIds_.clear();
    for (std::size_t i = 0; i < games.size(); ++i) {
        games[i].players.clear();
        Join(std::move(games[i]), std::move(rosters[i]));
    }
}

Season::Change Season::Follow(const std::string& file, std::string bytes) {
    if (!IsGameLogName(fs::path(file).filename().string())) return Remove(file);
    Parsed parsed = ParseKeeping(file, std::move(bytes), keepFileBytes);
    if (!parsed.gameLog) return Remove(file);
    auto at = std::find_if(games_.begin(), games_.end(),
                           [&](const SeasonGame& game) { return game.file >= file; });
    auto index = static_cast<std::size_t>(at - games_.begin());
    bool replaced = at != games_.end() && at->file == file;
    if (replaced) {
        *at = std::move(parsed.game);
        rosters_[index] = std::move(parsed.roster);
    } else {
        games_.insert(at, std::move(parsed.game));
        rosters_.insert(rosters_.begin() + static_cast<std::ptrdiff_t>(index),
                        std::move(parsed.roster));
    }
    Rejoin();
    return replaced ? Change::Replaced : Change::Added;
}

Season::Change Season::Remove(const std::string& file) {
    auto at = std::find_if(games_.begin(), games_.end(),
                           [&](const SeasonGame& game) { return game.file == file; });
    if (at == games_.end()) return Change::None;
    rosters_.erase(rosters_.begin() + (at - games_.begin()));
    games_.erase(at);
    Rejoin();
    return Change::Removed;
}

std::vector<std::string> Season::Clubs() const {
    std::vector<std::string> clubs;
    for (const SeasonGame& game : games_) {
        for (const std::string& club : game.clubs) {
            if (!club.empty() && std::find(clubs.begin(), clubs.end(), club) == clubs.end()) {
                clubs.push_back(club);
            }
        }
    }
    std::stable_sort(clubs.begin(), clubs.end(), [](const std::string& a, const std::string& b) {
        return CompareNoCase(a, b) < 0;
    });
    return clubs;
}

bool Season::HasClub(std::string_view club) const {
    return std::any_of(games_.begin(), games_.end(), [&](const SeasonGame& game) {
        return game.clubs[0] == club || game.clubs[1] == club;
    });
}

}  // namespace gridtally
