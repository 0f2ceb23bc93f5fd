#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string_view>
#include <tuple>
#include <vector>

#include "CliFixture.h"
#include "cli/CommandLine.h"
#include "cli/ExportCommand.h"
#include "core/game/GameLog.h"
#include "core/game/PlaySums.h"
#include "core/playcalls/PlayCallKey.h"
#include "core/text/Diagnostics.h"
#include "core/text/Latin1.h"

namespace gridtally {
namespace {

const std::string kExample = GRIDTALLY_EXAMPLES_DIR "/riverside-at-hillcrest.log";
const std::vector<std::string> kFolders = {GRIDTALLY_EXAMPLES_DIR, GRIDTALLY_TEST_DATA_DIR};
const std::vector<std::string> kLogs = {kExample,
                                        GRIDTALLY_TEST_DATA_DIR "/comets-vs-prairie-dogs.log",
                                        GRIDTALLY_TEST_DATA_DIR "/harbor-city-vs-ironmen.log"};

class ExportCommand : public CliTest {
protected:
    int Export(const std::string& out, const PlayFilter& filter = {},
               const std::vector<std::string>& paths = kFolders) {
        return Call([&](Streams io) { return RunExport(out, paths, filter, io); });
    }

    // The rows of a query as the sqlite3 program gives them, one object per row.
    nlohmann::json Query(const std::string& db, const std::string& sql) {
        std::string script = Write("query.sql", sql + ";\n");
        std::string command = "sqlite3 -bail -json '" + db + "' < '" + script + "'";
        std::string output;
        if (FILE* pipe = ::popen(command.c_str(), "r")) {
            char buffer[4096];
            for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
                output.append(buffer, got);
            }
            EXPECT_EQ(::pclose(pipe), 0) << sql;
        }
        return output.empty() ? nlohmann::json::array() : nlohmann::json::parse(output);
    }
    std::int64_t Count(const std::string& db, const std::string& sql) {
        nlohmann::json rows = Query(db, "SELECT (" + sql + ") AS n");
        return rows.at(0).at("n").get<std::int64_t>();
    }

    // Whatever the folder holds besides the fixture's own files.
    std::vector<std::string> Leftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            std::string name = entry.path().filename().string();
            if (name != "query.sql") names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

// The three logs read one by one, as the game windows read them.
std::vector<GameLog> ReadLogs() {
    std::vector<GameLog> logs(kLogs.size());
    for (std::size_t i = 0; i < kLogs.size(); ++i) {
        logs[i].keepText = false;
        logs[i].keepPlays = true;
        logs[i].diagnostics = &NoDiagnostics();
        std::ifstream in(kLogs[i], std::ios::binary);
        logs[i].Load(std::string(std::istreambuf_iterator<char>(in), {}));
    }
    return logs;
}

using CallSums = std::map<std::tuple<std::string, std::string, std::int64_t>, nlohmann::json>;
void AddCallSums(const PlayCallTable& table, CallSums& sums) {
    for (const auto& [keyText, record] : table.records()) {
        PlayCallKey key;
        SplitKeyText(keyText, key);
        nlohmann::json& row = sums[{Latin1ToUtf8(key.team.view()), Latin1ToUtf8(key.play.view()),
                                    static_cast<std::int64_t>(key.kind)}];
        if (row.is_null()) row = nlohmann::json::object();
        for (const PlayCallCounterField& field : kPlayCallCounterFields) {
            row[std::string(field.name)] =
                row.value(std::string(field.name), 0) + (*record).*field.member;
        }
    }
}

std::string CallSumsQuery() {
    std::string sql = "SELECT club, play, kind";
    for (const PlayCallCounterField& field : kPlayCallCounterFields) {
        sql += ", SUM(" + std::string(field.name) + ") AS " + std::string(field.name);
    }
    return sql + " FROM play_calls GROUP BY club, play, kind";
}
// An empty name is stored as NULL.
std::string Name(const nlohmann::json& cell) {
    return cell.is_null() ? "" : cell.get<std::string>();
}
CallSums CallSumsOf(const nlohmann::json& rows) {
    CallSums sums;
    for (nlohmann::json row : rows) {
        auto key =
            std::tuple(Name(row["club"]), Name(row["play"]), row["kind"].get<std::int64_t>());
        for (const char* part : {"club", "play", "kind"}) row.erase(part);
        sums[key] = row;
    }
    return sums;
}

// Over every play the database holds what each game's reading gave: its plays, its
// players' figures and its play calls; and a play's row is its row of `plays`.
TEST_F(ExportCommand, HoldsWhatTheGamesRead) {
    const std::string db = Path("season.sqlite");
    ASSERT_EQ(Export(db), 0) << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(Leftovers(), std::vector<std::string>{"season.sqlite"});

    std::vector<GameLog> logs = ReadLogs();
    std::size_t plays = 0;
    std::map<std::tuple<std::string, std::string, std::string>, std::int64_t> figures;
    CallSums calls;
    for (const GameLog& log : logs) {
        plays += log.plays.plays.size();
        for (const auto& player : log.roster) {
            for (const PlayerCounterField& field : kPlayerCounterFields) {
                std::int64_t& total =
                    figures[{Latin1ToUtf8(player->team.view()), Latin1ToUtf8(player->name.view()),
                             std::string(field.name)}];
                total = field.name == "longestFieldGoal"
                            ? std::max<std::int64_t>(total, (*player).*field.member)
                            : total + (*player).*field.member;
            }
        }
        AddCallSums(log.playCalls, calls);
    }
    std::erase_if(figures, [](const auto& figure) { return figure.second == 0; });
    ASSERT_GT(figures.size(), 100u);

    EXPECT_EQ(Count(db, "SELECT COUNT(*) FROM games"), 3);
    EXPECT_EQ(Count(db, "SELECT COUNT(*) FROM plays"), static_cast<std::int64_t>(plays));
    std::map<std::tuple<std::string, std::string, std::string>, std::int64_t> exported;
    for (const auto& row :
         Query(db, "SELECT club, name, counter, total FROM player_season WHERE total <> 0")) {
        exported[{row["club"].get<std::string>(), row["name"].get<std::string>(),
                  row["counter"].get<std::string>()}] = row["total"].get<std::int64_t>();
    }
    EXPECT_EQ(exported, figures);
    // Per game the figures come to the season's.
    EXPECT_EQ(Count(db,
                    "SELECT COUNT(*) FROM player_season s WHERE total <> (SELECT CASE s.counter "
                    "WHEN 'longestFieldGoal' THEN MAX(total) ELSE SUM(total) END FROM "
                    "player_games g WHERE g.player_id = s.player_id AND g.counter = s.counter)"),
              0);
    EXPECT_EQ(CallSumsOf(Query(db, CallSumsQuery())), calls);

    // Cell by cell what `plays` prints of the game read with the others (its expected
    // points come from all three), empty cells as NULL.
    std::vector<std::string> argv = {"gridtally-cli", "plays",    kFolders[0],
                                     kFolders[1],     "--format", "json"};
    std::vector<const char*> args;
    for (const std::string& arg : argv) args.push_back(arg.c_str());
    ASSERT_EQ(Call([&](Streams io) {
                  return RunCommandLine(static_cast<int>(args.size()), args.data(), io);
              }),
              0);
    nlohmann::json table = nlohmann::json::parse(out.str());
    nlohmann::json example = nlohmann::json::array();
    for (const nlohmann::json& row : table["rows"]) {
        if (row[0] == "riverside-at-hillcrest.log") example.push_back(row);
    }
    table["rows"] = example;
    nlohmann::json rows = Query(db,
                                "SELECT plays.* FROM plays JOIN games ON games.id = game_id "
                                "WHERE file LIKE '%/riverside-at-hillcrest.log' ORDER BY seq");
    ASSERT_EQ(rows.size(), table["rows"].size());
    ASSERT_EQ(rows.size(), 162u);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 1; c < table["columns"].size(); ++c) {
            const std::string name = table["columns"][c]["name"];
            nlohmann::json cell = table["rows"][r][c];
            if (cell == "") cell = nullptr;
            EXPECT_EQ(rows[r][name], cell) << r << ' ' << name;
        }
        // The player ids name the players the names do.
        for (const char* who : {"ball_handler", "passer"}) {
            nlohmann::json id = rows[r][std::string(who) + "_id"];
            EXPECT_EQ(id.is_null(), rows[r][who].is_null()) << r << ' ' << who;
        }
    }
    // A drive's yards are its plays' known yards gained; the model has its 200 cells.
    EXPECT_EQ(Count(db,
                    "SELECT COUNT(*) FROM drives d WHERE yards <> (SELECT "
                    "COALESCE(SUM(yards_gained), 0) FROM plays p JOIN games g ON g.id = "
                    "p.game_id WHERE g.file LIKE '%/' || d.game AND p.drive = d.drive)"),
              0);
    EXPECT_GT(Count(db, "SELECT COUNT(*) FROM drives"), 50);
    EXPECT_EQ(Count(db, "SELECT COUNT(*) FROM ep_model"), 200);
    EXPECT_EQ(Count(db,
                    "SELECT COUNT(*) FROM plays JOIN players p ON p.id = ball_handler_id "
                    "WHERE p.name <> ball_handler"),
              0);
}

// A filter writes only its plays, with their credits and calls; a second export replaces
// the first; a file that cannot be written leaves nothing behind.
TEST_F(ExportCommand, FilterReplacesAndFailures) {
    const std::string db = Write("out.sqlite", "not a database\n");
    PlayFilter thirdDown;
    thirdDown.downs = {3};
    ASSERT_EQ(Export(db, thirdDown), 0) << err.str();
    EXPECT_EQ(Leftovers(), std::vector<std::string>{"out.sqlite"});

    std::int64_t chosen = 0, credited = 0;
    CallSums calls;
    for (const GameLog& log : ReadLogs()) {
        auto third = [](const Play& play) { return play.down == 3; };
        for (const Play& play : log.plays.plays) {
            if (!third(play)) continue;
            ++chosen;
            credited += play.creditCount;
        }
        AddCallSums(SumPlayCalls(log.plays, third), calls);
    }
    ASSERT_GT(chosen, 20);
    EXPECT_EQ(Count(db, "SELECT COUNT(*) FROM plays"), chosen);
    EXPECT_EQ(Count(db, "SELECT COUNT(*) FROM plays WHERE down = 3"), chosen);
    EXPECT_EQ(Count(db, "SELECT COUNT(*) FROM credits JOIN plays ON plays.id = play_id"), credited);
    EXPECT_EQ(CallSumsOf(Query(db, CallSumsQuery())), calls);
    EXPECT_EQ(Count(db, "SELECT COUNT(*) FROM games"), 3);

    ASSERT_EQ(Export(db), 0) << err.str();
    EXPECT_GT(Count(db, "SELECT COUNT(*) FROM plays"), 3 * chosen);

    // Nothing is written when a log cannot be read.
    const std::string before = State(db);
    EXPECT_EQ(Export(db, {}, {kExample, Path("missing.log")}), 1);
    EXPECT_NE(err.str().find("cannot read " + Path("missing.log")), std::string::npos) << err.str();
    EXPECT_EQ(State(db), before);

    // A folder it may not write in (root may write anywhere), one that is a file, and a
    // folder in the place of the database, which only the last step finds.
    std::filesystem::create_directories(dir / "locked");
    std::filesystem::permissions(
        dir / "locked", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    Write("plain", "");
    std::filesystem::create_directories(dir / "folder" / "inside");
    std::vector<std::string> outs = {Path("plain") + "/out.sqlite", Path("folder")};
    if (::geteuid() != 0) outs.push_back(Path("locked") + "/out.sqlite");
    for (const std::string& out : outs) {
        EXPECT_EQ(Export(out), 1) << out;
        EXPECT_TRUE(err.str().starts_with("gridtally-cli: cannot write " + out + ": "))
            << err.str();
        EXPECT_EQ(Leftovers(),
                  (std::vector<std::string>{"folder", "locked", "out.sqlite", "plain"}))
            << out;
        EXPECT_TRUE(std::filesystem::is_directory(dir / "folder" / "inside"));
        EXPECT_TRUE(std::filesystem::is_empty(dir / "locked"));
    }
    std::filesystem::permissions(dir / "locked", std::filesystem::perms::owner_all);
}

// The database replaces only a regular file the user may write (through a link, the
// file it points to) that is none of the logs read. Anything else is refused at once,
// before a log is read, with the reason (not SQLite's words for it), and stays as it was.
TEST_F(ExportCommand, ReplacesOnlyWhatItMay) {
    const std::string log = Write("game.log", Bytes(kExample));
    const std::string old = Write("old.sqlite", "old\n");
    chmod(Write("readonly.sqlite", "old\n").c_str(), 0444);
    mkfifo(Path("fifo.sqlite").c_str(), 0600);
    symlink("/dev/zero", Path("device.sqlite").c_str());
    std::filesystem::create_directory(Path("folder.sqlite"));
    symlink(log.c_str(), Path("log-link.sqlite").c_str());
    symlink(old.c_str(), Path("link.sqlite").c_str());
    struct Case {
        std::string out;
        std::vector<std::string> paths;
        std::string reason;  // empty: written
    };
    const std::string notRegular = "cannot replace: not a regular file";
    const std::string readOnly = "cannot write: Permission denied";
    const std::string isInput = "it is one of the logs to read";
    std::vector<Case> cases{
        {"fifo.sqlite", {log}, notRegular},
        {"device.sqlite", {log}, notRegular},
        {"folder.sqlite", {log}, notRegular},
        {"readonly.sqlite", {log}, readOnly},
        {"game.log", {log}, isInput},
        {"game.log", {dir.string()}, isInput},
        {"log-link.sqlite", {log}, isInput},
        {"link.sqlite", {log}, ""},
        {"new.sqlite", {log}, ""},
    };
    if (::geteuid() == 0) {  // a read-only file of another user never becomes root's
        const std::string theirs = Write("theirs.sqlite", "old\n");
        chmod(theirs.c_str(), 0444);
        ASSERT_EQ(chown(theirs.c_str(), 65534, 65534), 0);
        cases.push_back({"theirs.sqlite", {log}, readOnly});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.out);
        std::vector<std::string> names = Leftovers();
        std::map<std::string, std::string> before;
        for (const std::string& name : names) before[name] = State(Path(name));
        std::vector<std::string> args{"export", Path(c.out)};
        args.insert(args.end(), c.paths.begin(), c.paths.end());
        Ran ran = RunWithin(c.reason.empty() ? 20 : 2, args);
        ASSERT_FALSE(ran.timedOut);
        if (!c.reason.empty()) {
            EXPECT_EQ(ran.status, 1);
            EXPECT_EQ(ran.err,
                      "gridtally-cli: cannot write " + Path(c.out) + ": " + c.reason + "\n");
            EXPECT_EQ(Leftovers(), names);
            for (const std::string& name : names)
                EXPECT_EQ(State(Path(name)), before[name]) << name;
            continue;
        }
        EXPECT_EQ(ran.status, 0) << ran.err;
        EXPECT_EQ(Count(Path(c.out), "SELECT COUNT(*) FROM games"), 1);
    }
    // Through the link the file it points to was replaced, and the link stays.
    EXPECT_TRUE(std::filesystem::is_symlink(Path("link.sqlite")));
    EXPECT_EQ(Count(old, "SELECT COUNT(*) FROM plays"), 162);
}

// A file name shows as UTF-8 when it is UTF-8 and as its Latin-1 reading when it is not,
// never encoded twice and whatever characters it holds: on every page and format of
// `season` and `plays`, lined up on a terminal, and as valid text in the database.
TEST_F(ExportCommand, FileNamesAreTheTextTheyAre) {
    std::filesystem::create_directory(dir / "season");
    // UTF-8 e-acute, the Latin-1 byte of it, a character past Latin-1
    const std::vector<std::string> names{"week-\xC3\xA9.log", "week-\xE9.log",
                                         "\xE9\x80\xB1-1.log"};
    const std::vector<std::string> shown{"week-\xC3\xA9.log", "week-\xC3\xA9.log",
                                         "\xE9\x80\xB1-1.log"};
    for (const std::string& name : names) Write("season/" + name, Bytes(kExample));
    const std::string folder = Path("season");
    auto run = [&](std::vector<std::string> args, bool terminal = false) {
        args.insert(args.begin(), "gridtally-cli");
        std::vector<const char*> argv;
        for (const std::string& arg : args) argv.push_back(arg.c_str());
        EXPECT_EQ(Call(
                      [&](Streams io) {
                          return RunCommandLine(static_cast<int>(argv.size()), argv.data(), io);
                      },
                      terminal),
                  0)
            << err.str();
        return out.str();
    };
    auto lines = [](const std::string& text) {
        std::vector<std::string> split;
        std::stringstream in(text);
        for (std::string line; std::getline(in, line);) split.push_back(line);
        return split;
    };
    auto characters = [](std::string_view utf8) {
        return std::count_if(utf8.begin(), utf8.end(),
                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    };

    std::vector<std::string> text = lines(run({"season", folder, "--page", "Games"}));
    std::vector<std::string> aligned = lines(run({"season", folder, "--page", "Games"}, true));
    std::vector<std::string> csv =
        lines(run({"season", folder, "--page", "Games", "--format", "csv"}));
    auto json =
        nlohmann::json::parse(run({"season", folder, "--page", "Games", "--format", "json"}));
    auto plays = nlohmann::json::parse(run({"plays", folder, "--format", "json"}));
    ASSERT_EQ(Export(Path("season.sqlite"), {}, {folder}), 0) << err.str();
    nlohmann::json files = Query(Path("season.sqlite"), "SELECT file FROM games ORDER BY id");
    ASSERT_EQ(text.size(), 5u);
    ASSERT_EQ(files.size(), 3u);
    ASSERT_EQ(plays["rows"].size(), 3 * 162u);
    const auto clubAt = characters(aligned[1].substr(0, aligned[1].find("Away")));
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string path = folder + "/" + shown[i];
        EXPECT_TRUE(text[2 + i].starts_with(shown[i] + "\tRiverside Otters\t")) << text[2 + i];
        EXPECT_EQ(characters(aligned[2 + i].substr(0, aligned[2 + i].find("Riverside"))), clubAt)
            << aligned[2 + i];
        EXPECT_TRUE(csv[1 + i].starts_with(path + ",Riverside Otters,")) << csv[1 + i];
        EXPECT_EQ(json[0]["rows"][i][0], path);
        EXPECT_EQ(plays["rows"][162 * i][0], shown[i]);
        EXPECT_EQ(files[i]["file"], path);
    }
}

}  // namespace
}  // namespace gridtally
