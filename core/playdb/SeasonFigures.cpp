// The figures of a season, apart from its reading: a club's sums over the plays a filter
// chooses, the Games page and the counts the season window states.
#include <algorithm>
#include <array>
#include <filesystem>

#include "core/game/PlaySums.h"
#include "core/model/Counter.h"
#include "core/playdb/Season.h"
#include "core/text/Latin1.h"

namespace gridtally {
namespace {

namespace fs = std::filesystem;

std::string Number(std::int64_t value) { return std::to_string(value); }

bool IsKickCounter(std::uint8_t counter) {
    auto member = kPlayerCounterFields[counter].member;
    return member == &PlayerRec::kickoffs || member == &PlayerRec::punts ||
           member == &PlayerRec::fieldGoalAttempts || member == &PlayerRec::extraPointAttempts;
}

// A play the filter left out still tells who kicks for the club.
void MarkKickers(const SeasonGame& game, const Play& play, const std::vector<std::int32_t>& placeOf,
                 std::vector<bool>& kicked) {
    for (std::uint32_t i = 0; i < play.creditCount; ++i) {
        const PlayerCredit& credit = game.plays->credits[play.firstCredit + i];
        std::int32_t place = placeOf[game.players[credit.player]];
        if (place >= 0 && credit.delta != 0 && IsKickCounter(credit.counter)) {
            kicked[static_cast<std::size_t>(place)] = true;
        }
    }
}

}  // namespace

std::int32_t Season::PlaysChosen(const SeasonGame& game, const PlayFilter& filter) const {
    if (filter.Empty()) return static_cast<std::int32_t>(game.plays->plays.size());
    return static_cast<std::int32_t>(
        std::count_if(game.plays->plays.begin(), game.plays->plays.end(),
                      [&](const Play& play) { return filter.Accepts(play); }));
}

std::unique_ptr<SeasonClub> Season::Club(std::string_view club, const PlayFilter& filter) const {
    auto made = std::make_unique<SeasonClub>(std::string(club));
    SeasonClub& figures = *made;
    figures.totals.name = club;
    if (club.empty()) return made;  // no club: nothing of one to sum
    // A player's record carries his club in fewer bytes than a game names it.
    std::string_view playersClub = decltype(PlayerRec::team)::Fit(club);
    std::vector<std::int32_t> placeOf(players_.size(), -1);
    for (std::size_t id = 0; id < players_.size(); ++id) {
        const SeasonPlayer& player = players_[id];
        if (player.club != playersClub) continue;
        auto record = std::make_unique<PlayerRec>();
        record->name = player.name;
        record->team = player.club;
        record->position = player.position;
        record->number = player.number;
        placeOf[id] = static_cast<std::int32_t>(figures.roster.size());
        figures.roster.Append(std::move(record));
    }
    figures.games.assign(figures.roster.size(), 0);
    std::vector<PlayerCounters> sums(figures.roster.size(), PlayerCounters{});
    std::vector<bool> kicked(figures.roster.size(), false);

    for (const SeasonGame& game : games_) {
        bool anyChosen = false;
        auto placeInClub = [&](std::uint32_t place) { return placeOf[game.players[place]]; };
        for (const Play& play : game.plays->plays) {
            if (!filter.Empty() && !filter.Accepts(play)) {
                MarkKickers(game, play, placeOf, kicked);
                continue;
            }
            anyChosen = true;
            AddCredits(*game.plays, play, placeInClub, sums);
            AddPlayCalls(*game.plays, play, figures.playCalls, club);
            if (play.tallyRecord >= 0 &&
                game.tallyClubs[static_cast<std::size_t>(play.tallyRecord)] == club) {
                CountInTotals(play, figures.totals);
            }
        }
        if (!anyChosen) continue;
        for (std::uint32_t id : game.players) {
            if (placeOf[id] >= 0) ++figures.games[static_cast<std::size_t>(placeOf[id])];
        }
    }
    for (std::size_t place = 0; place < figures.roster.size(); ++place) {
        PlayerRec& player = *figures.roster.at(place);
        player.kickedBeforeFilter = kicked[place];
        for (std::size_t c = 0; c < kPlayerCounterFields.size(); ++c) {
            player.*kPlayerCounterFields[c].member = sums[place][c];
        }
    }
    return made;
}

std::vector<std::pair<const SeasonGame*, std::int32_t>> Season::GamesListed(
    const PlayFilter& filter, std::string_view club) const {
    std::vector<std::pair<const SeasonGame*, std::int32_t>> listed;
    for (const SeasonGame& game : games_) {
        if (!club.empty() && game.clubs[0] != club && game.clubs[1] != club) continue;
        std::int32_t plays = PlaysChosen(game, filter);
        if (plays > 0 || filter.Empty()) listed.emplace_back(&game, plays);
    }
    return listed;
}

bool Season::PlayOfClub(const Play& play, std::string_view club) {
    return club.empty() || play.offense == club || play.defense == club;
}

Season::Count Season::Counted(const PlayFilter& filter, std::string_view club) const {
    Count count;
    for (const SeasonGame& game : games_) {
        auto plays = std::count_if(
            game.plays->plays.begin(), game.plays->plays.end(), [&](const Play& play) {
                return PlayOfClub(play, club) && (filter.Empty() || filter.Accepts(play));
            });
        count.plays += plays;
        count.games += plays > 0 ? 1 : 0;
    }
    return count;
}

std::string Season::CountText(const PlayFilter& filter, std::string_view club) const {
    Count count = Counted(filter, club);
    std::string text(club);
    std::string described = filter.Describe();
    if (!described.empty()) text += (text.empty() ? "" : " - ") + described;
    if (!text.empty()) text += " - ";
    text += Number(count.plays) + (count.plays == 1 ? " play in " : " plays in ");
    text += Number(count.games) + (count.games == 1 ? " game" : " games");
    return text;
}

namespace {

constexpr std::array<ListColumn, 7> kGamesColumns{{
    {"File", 200, ColumnAlign::Left, 0, "the game's log"},
    {"Away", 130, ColumnAlign::Left, 3600,
     "the visiting club (the first club named when the log does not say)"},
    {"Home", 130, ColumnAlign::Left, 5400, "the home club (else the second club named)"},
    {"Score", 60, ColumnAlign::Left, 7200, "the final score, away first"},
    {"Result", 130, ColumnAlign::Left, 7900, "who won"},
    {"Plays", 50, ColumnAlign::Left, 10300, "plays read"},
    {"Mismatches", 80, ColumnAlign::Left, 11000,
     "scores the log announced that differ from the points counted"},
}};

}  // namespace

std::span<const ListColumn> Season::GamesColumns() { return kGamesColumns; }

PrintoutPage Season::GamesPage(const PlayFilter& filter, std::string_view club) const {
    ExportPage games = GamesExport(filter, club);
    PrintoutPage page;
    page.title = games.title;
    for (const ListColumn& column : kGamesColumns) {
        page.headers.emplace_back(column.header);
        page.printX.push_back(column.printX);
    }
    for (auto [game, plays] : GamesListed(filter, club)) {
        // Away first; a log that does not say keeps its own order, and the result says so.
        std::size_t first = game->home == 0 ? 1 : 0, second = 1 - first;
        std::int32_t a = game->finalScore[first], b = game->finalScore[second];
        std::string result = a == b ? "Tie" : game->clubs[a > b ? first : second] + " won";
        if (game->home < 0) result += "; home not told";
        page.rows.push_back({FileNameCell(fs::path(game->file).filename().string()),
                             game->clubs[first], game->clubs[second], Number(a) + "-" + Number(b),
                             result, Number(plays), Number(game->scoreMismatches)});
    }
    return page;
}

ExportPage Season::GamesExport(const PlayFilter& filter, std::string_view club) const {
    ExportPage page{"Games", "Games", {}};
    page.table.header = {"file", "club1", "club2", "score1", "score2", "plays", "score_mismatches"};
    for (auto [game, plays] : GamesListed(filter, club)) {
        page.table.rows.push_back({FileNameCell(game->file), game->clubs[0], game->clubs[1],
                                   Number(game->finalScore[0]), Number(game->finalScore[1]),
                                   Number(plays), Number(game->scoreMismatches)});
    }
    return page;
}

TeamTotals* SeasonClub::FindTeamTotals(std::string_view team) {
    return team == club_ ? &totals : nullptr;
}

void SeasonClub::CollectPlayCalls(PlayKind kind, std::string_view team,
                                  std::vector<std::unique_ptr<PlayRec>>& list) {
    playCalls.CollectPlayCalls(kind, FixedText<64>::Fit(team), list);
}

void SeasonClub::Take(SeasonClub&& figures) {
    club_ = std::move(figures.club_);
    roster = std::move(figures.roster);
    games = std::move(figures.games);
    playCalls = std::move(figures.playCalls);
    totals = figures.totals;
}

std::vector<PrintoutPage> SeasonClub::Pages() {
    return BuildClubPages(roster, *this, club_, club_, &gamesPlayed_);
}

std::vector<ExportPage> SeasonClub::Export() {
    return BuildClubExport(roster, *this, club_, club_, &gamesPlayed_);
}

}  // namespace gridtally
