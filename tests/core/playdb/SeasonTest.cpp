#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/game/GameLog.h"
#include "core/game/PlaySums.h"
#include "core/playdb/Season.h"
#include "core/reports/GamePrintout.h"
#include "core/text/FileBytes.h"

namespace gridtally {
namespace {

namespace fs = std::filesystem;

const fs::path kData = GRIDTALLY_TEST_DATA_DIR;
const fs::path kExamples = fs::path(GRIDTALLY_TEST_DATA_DIR) / "../../examples";

std::vector<std::string> Folders() { return {kExamples.string(), kData.string()}; }

std::unique_ptr<GameLog> ReadGame(const fs::path& path) {
    std::string bytes, error;
    EXPECT_TRUE(ReadFileBytes(path.string(), bytes, &error)) << error;
    auto game = std::make_unique<GameLog>();
    game->keepText = false;
    game->diagnostics = &NoDiagnostics();
    game->Load(bytes);
    return game;
}

bool SamePages(const std::vector<PrintoutPage>& a, const std::vector<PrintoutPage>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].title != b[i].title || a[i].report != b[i].report ||
            a[i].headers != b[i].headers || a[i].rows != b[i].rows) {
            return false;
        }
    }
    return true;
}

// A season's players are the sums of the same players in its games' rosters.
TEST(Season, ItsFiguresAreTheSumsOfItsGames) {
    Season season;
    Season::ReadResult read = season.Read(Folders());
    EXPECT_TRUE(read.failures.empty());
    ASSERT_EQ(season.games().size(), 3u);
    EXPECT_EQ(season.games()[0].file, (kExamples / "riverside-at-hillcrest.log").string());

    std::map<std::pair<std::string, std::string>, PlayerCounters> expected;
    std::map<std::pair<std::string, std::string>, int> games;
    for (const SeasonGame& game : season.games()) {
        std::unique_ptr<GameLog> log = ReadGame(game.file);
        for (const auto& player : log->roster) {
            PlayerCounters& sum = expected[{player->team.str(), player->name.str()}];
            PlayerCounters counters = CountersOf(*player);
            for (std::size_t c = 0; c < counters.size(); ++c) {
                bool longest = kPlayerCounterFields[c].member == &PlayerRec::longestFieldGoal;
                sum[c] = longest ? std::max(sum[c], counters[c]) : sum[c] + counters[c];
            }
            ++games[{player->team.str(), player->name.str()}];
        }
    }
    std::size_t players = 0;
    for (const std::string& club : season.Clubs()) {
        std::unique_ptr<SeasonClub> figures = season.Club(club);
        for (std::size_t i = 0; i < figures->roster.size(); ++i) {
            const PlayerRec& player = *figures->roster.at(i);
            std::pair key{player.team.str(), player.name.str()};
            EXPECT_EQ(CountersOf(player), expected[key]) << key.first << ": " << key.second;
            EXPECT_EQ(figures->games[i], games[key]);
            ++players;
        }
    }
    EXPECT_EQ(players, expected.size());
    EXPECT_EQ(season.players().size(), expected.size());
}

// A season of one log, unfiltered, prints what the game prints (the player pages with
// their column of games aside).
TEST(Season, OfOneLogPrintsTheGamesPages) {
    for (const fs::path& path :
         {kExamples / "riverside-at-hillcrest.log", kData / "comets-vs-prairie-dogs.log"}) {
        Season season;
        season.Read({path.string()});
        std::unique_ptr<GameLog> game = ReadGame(path);
        for (int club : {0, 1}) {
            std::string label = game->ClubLabel(club);
            std::unique_ptr<SeasonClub> figures = season.Club(label);
            EXPECT_TRUE(SamePages(BuildClubPages(figures->roster, *figures, label, label),
                                  BuildTeamPrintout(*game, label)))
                << path << ' ' << label;
            std::vector<PrintoutPage> withGames = figures->Pages();
            EXPECT_EQ(withGames[1].headers.back(), "G");
            EXPECT_TRUE(withGames[0].report[0].ends_with(" G"));
        }
    }
}

// A filter sums only what it chooses; one that chooses nothing leaves empty lists and
// tendencies of zeros, not an error.
TEST(Season, FiltersChooseThePlaysThePagesSum) {
    Season season;
    season.Read(Folders());
    std::string club = season.Clubs().front();

    PlayFilter none;
    none.quarters = {5};  // no game went to overtime
    std::unique_ptr<SeasonClub> empty = season.Club(club, none);
    std::vector<PrintoutPage> pages = empty->Pages();
    for (std::size_t list : {3u, 4u, 5u}) EXPECT_TRUE(pages[list].rows.empty()) << list;
    EXPECT_FALSE(pages[6].rows.empty());
    for (const auto& row : pages[6].rows) {
        for (std::size_t c = 1; c < row.size(); ++c) EXPECT_TRUE(row[c] == "0" || row[c] == "");
    }
    EXPECT_TRUE(
        std::all_of(empty->games.begin(), empty->games.end(), [](int g) { return g == 0; }));

    // Third downs and the rest add up to the whole.
    PlayFilter third, others;
    third.downs = {3};
    others.downs = {0, 1, 2, 4};
    std::unique_ptr<SeasonClub> all = season.Club(club);
    std::unique_ptr<SeasonClub> a = season.Club(club, third);
    std::unique_ptr<SeasonClub> b = season.Club(club, others);
    for (std::size_t i = 0; i < all->roster.size(); ++i) {
        PlayerCounters whole = CountersOf(*all->roster.at(i));
        PlayerCounters x = CountersOf(*a->roster.at(i));
        PlayerCounters y = CountersOf(*b->roster.at(i));
        for (std::size_t c = 0; c < whole.size(); ++c) {
            if (kPlayerCounterFields[c].member == &PlayerRec::longestFieldGoal) continue;
            EXPECT_EQ(whole[c], x[c] + y[c]) << kPlayerCounterFields[c].name;
        }
    }
    EXPECT_EQ(a->totals.counts[2][2][0] + b->totals.counts[2][2][0], all->totals.counts[2][2][0]);
    EXPECT_EQ(a->totals.counts[0][2][1], 0);  // no first down is a third down
}

// Reading on many threads gives what reading in turn gives; a folder's files without
// game log names are passed over, a file named that is no game log is a failure; a
// reading can stop.
TEST(Season, ThreadsFoldersFailuresAndStopping) {
    fs::path dir = fs::temp_directory_path() / ("gridtally-season-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const char* name : {"comets-vs-prairie-dogs.log", "harbor-city-vs-ironmen.log"}) {
        fs::copy_file(kData / name, dir / name);
    }
    std::ofstream(dir / "notes.txt") << "not a game\n\n";

    Season one, many;
    Season::ReadResult inTurn = one.Read({dir.string()}, 1);
    Season::ReadResult parallel = many.Read({dir.string()}, 4);
    EXPECT_TRUE(inTurn.failures.empty());
    EXPECT_EQ(parallel.read, 2u);  // notes.txt is no game log name: never looked at
    ASSERT_EQ(one.games().size(), 2u);
    ASSERT_EQ(many.games().size(), 2u);
    EXPECT_EQ(one.players().size(), many.players().size());
    for (const std::string& club : one.Clubs()) {
        EXPECT_TRUE(SamePages(one.Club(club)->Pages(), many.Club(club)->Pages())) << club;
    }

    Season named;
    Season::ReadResult failed =
        named.Read({(dir / "notes.txt").string(), (dir / "gone.log").string()});
    ASSERT_EQ(failed.failures.size(), 2u);
    EXPECT_FALSE(failed.failures[0].unreadable);
    EXPECT_TRUE(failed.failures[1].unreadable);

    Season stopped;
    Season::ReadResult half =
        stopped.Read({dir.string()}, 2, [](std::size_t done, std::size_t) { return done < 1; });
    EXPECT_TRUE(half.stopped);
    EXPECT_EQ(stopped.games().size(), 1u);
    fs::remove_all(dir);
}

// A season that follows its folder file by file ends where reading the folder afresh
// starts: same games in the same order, same players, same pages.
TEST(Season, FollowingAFolderGivesWhatReadingItGives) {
    fs::path dir = fs::temp_directory_path() / ("gridtally-follow-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    auto bytesOf = [](const fs::path& path) {
        std::string bytes, error;
        EXPECT_TRUE(ReadFileBytes(path.string(), bytes, &error)) << error;
        return bytes;
    };
    const std::string riverside = bytesOf(kExamples / "riverside-at-hillcrest.log");
    const std::string comets = bytesOf(kData / "comets-vs-prairie-dogs.log");
    const std::string harbor = bytesOf(kData / "harbor-city-vs-ironmen.log");
    Season followed;
    auto step = [&](const std::string& name, const std::string* bytes, Season::Change expected) {
        std::string file = (dir / name).string();
        if (bytes) {
            std::ofstream(file, std::ios::binary) << *bytes;
        } else {
            fs::remove(file);
        }
        EXPECT_EQ(bytes ? followed.Follow(file, *bytes) : followed.Remove(file), expected) << name;
        Season fresh;
        fresh.Read({dir.string()}, 1);
        ASSERT_EQ(followed.games().size(), fresh.games().size()) << name;
        for (std::size_t i = 0; i < fresh.games().size(); ++i) {
            EXPECT_EQ(followed.games()[i].file, fresh.games()[i].file) << name;
            EXPECT_EQ(followed.games()[i].players, fresh.games()[i].players) << name;
        }
        EXPECT_EQ(followed.players().size(), fresh.players().size()) << name;
        EXPECT_EQ(followed.Clubs(), fresh.Clubs()) << name;
        EXPECT_TRUE(SamePages({followed.GamesPage()}, {fresh.GamesPage()})) << name;
        for (const std::string& club : fresh.Clubs()) {
            EXPECT_TRUE(SamePages(followed.Club(club)->Pages(), fresh.Club(club)->Pages()))
                << name << ", " << club;
        }
    };
    const std::string half = comets.substr(0, 40), notes = "not a game\n\n";
    using C = Season::Change;
    step("week2.log", &comets, C::Added);
    step("week3.log", &harbor, C::Added);
    step("week1.log", &riverside, C::Added);  // joins before the others
    step("notes.txt", &notes, C::None);
    step("week4.txt", &harbor, C::None);      // a game, but not under a game log's name
    step("week2.log", &harbor, C::Replaced);  // rewritten with another game
    step("week3.log", &half, C::Removed);     // cut to no game at all
    step("week1.log", nullptr, C::Removed);
    step("gone.log", nullptr, C::None);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace gridtally
