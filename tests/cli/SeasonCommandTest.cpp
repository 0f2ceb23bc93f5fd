#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <utility>
#include <vector>

#include "CliFixture.h"
#include "cli/CommandLine.h"

namespace gridtally {
namespace {

const std::string kExamples = GRIDTALLY_EXAMPLES_DIR;
const std::string kData = GRIDTALLY_TEST_DATA_DIR;
const std::string kExample = kExamples + "/riverside-at-hillcrest.log";

class SeasonCommand : public CliTest {
protected:
    std::string Run(std::vector<std::string> args, int status = 0) {
        args.insert(args.begin(), "gridtally-cli");
        std::vector<const char*> argv;
        for (const std::string& arg : args) argv.push_back(arg.c_str());
        out.str("");
        err.str("");
        EXPECT_EQ(Call([&](Streams io) {
                      return RunCommandLine(static_cast<int>(argv.size()), argv.data(), io);
                  }),
                  status)
            << args[1] << "\n"
            << err.str();
        return out.str();
    }
};

std::size_t Pages(const std::string& text) {
    return std::count(text.begin(), text.end(), '\f') + 1;
}

// The games page, then every club's seven pages; with --team, that club's.
TEST_F(SeasonCommand, PrintsTheGamesAndEachClubsPages) {
    std::string all = Run({"season", kExamples, kData});
    EXPECT_TRUE(
        all.starts_with("Games\nFile\tAway\tHome\tScore\tResult\tPlays\tMismatches\n"
                        "riverside-at-hillcrest.log\tRiverside Otters\tHillcrest\t26-35\t"
                        "Hillcrest won\t162\t0\n"
                        // The log names Comets first; its "AWAY at HOME" line puts them home.
                        "comets-vs-prairie-dogs.log\tPrairie Dogs\tComets\t43-58\tComets won\t"))
        << all.substr(0, 200);
    EXPECT_EQ(Pages(all), 1u + 6 * 7);
    std::string one = Run({"season", kExamples, "--team", "Hillcrest"});
    EXPECT_EQ(Pages(one), 1u + 7);
    EXPECT_NE(one.find("\f\nHillcrest - Offensive Player Stats\n"), std::string::npos);

    // A season of one log prints the play calls and tendencies as the game's report does.
    std::string report = Run({"report", kExample, "--team", "Hillcrest"});
    std::string playCalls = report.substr(report.find("Hillcrest - Running Plays"));
    EXPECT_TRUE(one.ends_with(playCalls));

    // A club is named as the logs name it, or without regard to case when that is one.
    EXPECT_EQ(Run({"season", kExamples, "--team", "HILLCREST"}), one);
    for (const char* option : {"--team", "--offense", "--opponent"}) {
        Run({"season", kExamples, option, "Nobody"}, 2);
        EXPECT_EQ(err.str(),
                  "gridtally-cli: no club named \"Nobody\"; the clubs are: Hillcrest, Riverside "
                  "Otters\n");
    }
    Run({"season", kExample, "--zone", "nowhere"}, 2);
    EXPECT_NE(err.str().find("--zone: \"nowhere\" is not one of own, midfield, opponent, red-zone "
                             "or goal-to-go"),
              std::string::npos);
}

// A filter on report is the filter on a season of that one log.
TEST_F(SeasonCommand, FiltersOnReportSeasonAndPlaysAgree) {
    for (const char* label : {"Run Plays", "Pass Plays", "Play Calling", "O Players"}) {
        std::vector<std::string> filter{"--team", "Hillcrest", "--down", "3,4", "--page", label};
        std::vector<std::string> report{"report", kExample}, season{"season", kExample};
        report.insert(report.end(), filter.begin(), filter.end());
        season.insert(season.end(), filter.begin(), filter.end());
        std::string fromReport = Run(report);
        std::string fromSeason = Run(season);
        if (std::string(label) == "O Players") {
            EXPECT_NE(fromReport, fromSeason);  // the season's has games played
        } else {
            EXPECT_EQ(fromReport, fromSeason) << label;
        }
    }
    // The tendencies of third and fourth downs hold no first or second down.
    std::string tendencies =
        Run({"report", kExample, "--team", "Hillcrest", "--down", "3,4", "--page", "play calling"});
    EXPECT_NE(tendencies.find("First and 6-10\t0\t0\n"), std::string::npos) << tendencies;
    // And plays takes the same filter: every row is a third or fourth down of Hillcrest.
    std::string plays =
        Run({"plays", kExample, "--offense", "Hillcrest", "--down", "3,4", "--format", "csv"});
    std::vector<std::string> rows;
    for (std::size_t at = plays.find("\r\n") + 2; at < plays.size();
         at = plays.find("\r\n", at) + 2) {
        rows.push_back(plays.substr(at, plays.find("\r\n", at) - at));
    }
    ASSERT_FALSE(rows.empty());
    for (const std::string& row : rows) {
        bool third = row.find(",Hillcrest,Riverside Otters,3,") != std::string::npos;
        bool fourth = row.find(",Hillcrest,Riverside Otters,4,") != std::string::npos;
        EXPECT_TRUE(third || fourth) << row;
    }
}

// Pages leave as CSV (one), JSON (an array) or files (one a page).
TEST_F(SeasonCommand, FormatsPagesAndFiles) {
    Run({"season", kExamples, "--format", "csv"}, 2);
    EXPECT_NE(err.str().find("CSV holds one page, and this prints 15"), std::string::npos)
        << err.str();
    std::string csv =
        Run({"season", kExamples, "--team", "Hillcrest", "--format", "csv", "--page", "O Players"});
    EXPECT_TRUE(csv.starts_with("section,Pos,No,Name,G,Com,Att,Yds,Pct,TDs,Ints,Fumbles,"))
        << csv.substr(0, 100);
    EXPECT_NE(csv.find("\r\nPassing,QB,12,Ben Tsai,1,22,32,285,68.8,3,2,0,"), std::string::npos)
        << csv;

    auto pages = nlohmann::json::parse(Run({"season", kExamples, "--format", "json"}));
    ASSERT_EQ(pages.size(), 15u);
    EXPECT_EQ(pages[0]["title"], "Games");
    EXPECT_EQ(pages[0]["rows"][0][3], 26);
    EXPECT_EQ(pages[4]["title"], "Hillcrest - Running Plays");
    EXPECT_EQ(pages[4]["columns"][3]["type"], "number");
    auto report = nlohmann::json::parse(Run({"report", kExample, "--format", "json"}));
    EXPECT_EQ(report.size(), 14u);

    std::filesystem::path folder = dir / "pages";
    Run({"season", kExamples, "--team", "Hillcrest", "--out", folder.string(), "--format", "csv"});
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{
                         "Games.csv", "Hillcrest - D Players.csv", "Hillcrest - Def Plays.csv",
                         "Hillcrest - O Players.csv", "Hillcrest - Pass Plays.csv",
                         "Hillcrest - Play Calling.csv", "Hillcrest - Run Plays.csv",
                         "Hillcrest - Special.csv"}));
    EXPECT_EQ(Bytes((folder / "Hillcrest - Run Plays.csv").string()),
              Run({"season", kExamples, "--team", "Hillcrest", "--format", "csv", "--page",
                   "Run Plays"}));

    Run({"season", kExamples, "--page", "Kickoffs"}, 2);
    EXPECT_NE(err.str().find("--page: no page is labelled \"Kickoffs\""), std::string::npos);
}

nlohmann::json Json(const std::string& text) { return nlohmann::json::parse(text); }

// Sums a column of a page's JSON rows that pass `chosen`.
template <typename Chosen>
std::int64_t Sum(const nlohmann::json& page, std::size_t column, Chosen chosen) {
    std::int64_t sum = 0;
    for (const auto& row : page["rows"]) {
        if (chosen(row) && row[column].is_number()) sum += row[column].get<std::int64_t>();
    }
    return sum;
}

// Under any filter the kickers stay kickers, points are their own side's, and every page
// says what it counts.
TEST_F(SeasonCommand, FiguresAndTitlesStayRightUnderFilters) {
    const std::string shared = kData + "/../../../shared/samples";
    for (std::string club : {"Hillcrest", "Riverside Otters"}) {
        // The field goals the plays hold are the kicking section's, and the kicker is no
        // defender with zeros.
        auto special = Json(Run({"season", kExample, "--team", club, "--kind", "field_goal",
                                 "--page", "Special", "--format", "json"}))[0];
        auto plays = Json(Run(
            {"plays", kExample, "--offense", club, "--kind", "field_goal", "--format", "json"}));
        ASSERT_GT(plays["rows"].size(), 0u) << club;
        std::size_t attempts = 0;
        for (std::size_t c = 0; c < special["columns"].size(); ++c) {
            if (special["columns"][c]["name"] == "FG Att") attempts = c;
        }
        ASSERT_NE(attempts, 0u);
        EXPECT_EQ(Sum(special, attempts, [](const auto&) { return true; }),
                  static_cast<std::int64_t>(plays["rows"].size()))
            << club;
        std::string kicker = special["rows"][0][3];
        std::string defenders = Run(
            {"season", kExample, "--team", club, "--kind", "field_goal", "--page", "D Players"});
        EXPECT_EQ(defenders.find(kicker), std::string::npos) << defenders;
    }

    // A call's points are the points its own side scored on the plays of its kind.
    std::vector<std::string> logs{kExamples, kData};
    if (std::filesystem::exists(shared)) logs.push_back(shared);
    std::vector<std::string> seasonArgs{"season"}, playsArgs{"plays"};
    seasonArgs.insert(seasonArgs.end(), logs.begin(), logs.end());
    playsArgs.insert(playsArgs.end(), logs.begin(), logs.end());
    playsArgs.insert(playsArgs.end(), {"--format", "json"});
    seasonArgs.insert(seasonArgs.end(), {"--format", "json"});
    auto pages = Json(Run(seasonArgs));
    auto plays = Json(Run(playsArgs));
    constexpr std::size_t kOffense = 4, kKind = 11, kPoints = 17, kSide = 25;
    int clubs = 0;
    for (const auto& page : pages) {
        std::string title = page["title"];
        for (auto [list, kinds] :
             {std::pair{" - Passing Plays", std::vector<std::string>{"pass", "sack"}},
              std::pair{" - Running Plays", std::vector<std::string>{"run"}}}) {
            if (!title.ends_with(list)) continue;
            std::string club = title.substr(0, title.size() - std::string(list).size());
            std::size_t pts = page["columns"].size() - 1;
            ASSERT_EQ(page["columns"][pts]["name"], "Pts");
            std::int64_t scored = Sum(plays, kPoints, [&](const auto& row) {
                return row[kOffense] == club && row[kSide] == "offense" &&
                       std::find(kinds.begin(), kinds.end(), row[kKind]) != kinds.end();
            });
            EXPECT_EQ(Sum(page, pts, [](const auto&) { return true; }), scored) << title;
            ++clubs;
        }
    }
    EXPECT_GE(clubs, 12);

    // Titles and file names carry the filter; the Games page follows the club and the
    // filter.
    auto third = Json(Run({"season", kExamples, kData, "--team", "Hillcrest", "--down", "3",
                           "--zone", "red-zone", "--format", "json"}));
    ASSERT_EQ(third.size(), 8u);
    EXPECT_EQ(third[0]["title"], "Games - down 3; zone red-zone");
    EXPECT_EQ(third[5]["title"], "Hillcrest - Passing Plays - down 3; zone red-zone");
    ASSERT_EQ(third[0]["rows"].size(), 1u);
    auto chosen =
        Json(Run({"plays", kExample, "--down", "3", "--zone", "red-zone", "--format", "json"}));
    EXPECT_EQ(third[0]["rows"][0][5], chosen["rows"].size());
    std::string text =
        Run({"season", kExamples, "--team", "Hillcrest", "--down", "3", "--page", "Run Plays"});
    EXPECT_TRUE(text.starts_with("Hillcrest - Running Plays - down 3\n")) << text;
    std::filesystem::path folder = dir / "filtered";
    Run({"season", kExamples, "--team", "Hillcrest", "--down", "3", "--page", "Run Plays", "--out",
         folder.string()});
    EXPECT_TRUE(std::filesystem::exists(folder / "Hillcrest - Run Plays - down 3.txt"));
}

// Pages written to a folder: names that come out alike ("a/b" and "a_b") get files of
// their own, and what stands in the folder already under a page's name, a link
// included, is replaced by the page, never written through.
TEST_F(SeasonCommand, PagesInAFolderNeverCollideNorFollowLinks) {
    const std::string a = Write("a.log", TinyLog("a/b")), b = Write("b.log", TinyLog("a_b"));
    const std::filesystem::path folder = dir / "pages";
    std::filesystem::create_directory(folder);
    const std::string mine = Write("mine.csv", "mine\n");
    std::filesystem::create_symlink(mine, folder / "Games.csv");
    std::filesystem::create_symlink("/dev/null", folder / "Rams - Run Plays.csv");
    std::filesystem::create_symlink(dir / "gone", folder / "Rams - Def Plays.csv");
    Run({"season", a, b, "--out", folder.string(), "--format", "csv"});

    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        EXPECT_TRUE(entry.is_regular_file() && !entry.is_symlink()) << entry.path();
        files.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(files.size(), 1u + 3 * 7);
    EXPECT_EQ(Bytes(mine), "mine\n");
    for (const auto& [club, file] :
         {std::pair{"a/b", "a_b - Run Plays.csv"}, std::pair{"a_b", "a_b - Run Plays (2).csv"},
          std::pair{"Rams", "Rams - Run Plays.csv"}}) {
        EXPECT_EQ(Bytes((folder / file).string()),
                  Run({"season", a, b, "--team", club, "--format", "csv", "--page", "Run Plays"}))
            << file;
    }
    EXPECT_EQ(Bytes((folder / "Games.csv").string()),
              Run({"season", a, b, "--format", "csv", "--page", "Games"}));
}

}  // namespace
}  // namespace gridtally
