#include "cli/ExportCommand.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <stdexcept>
#include <string_view>

#include "cli/SeasonCommand.h"
#include "core/game/PlaySums.h"
#include "core/game/PlayTable.h"
#include "core/model/LogReader.h"
#include "core/model/PlayerRec.h"
#include "core/playcalls/PlayCallKey.h"
#include "core/playcalls/PlayCallRec.h"
#include "core/playdb/PlayDBFile.h"
#include "core/playdb/Season.h"
#include "core/text/FileBytes.h"
#include "core/text/Latin1.h"
#include "core/text/LogPaths.h"

namespace gridtally {
namespace {

struct WriteFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

constexpr std::string_view kTables = R"sql(
CREATE TABLE games(
    id INTEGER PRIMARY KEY,
    file TEXT NOT NULL,
    club1 TEXT,
    club2 TEXT,
    score1 INTEGER NOT NULL,
    score2 INTEGER NOT NULL);
CREATE TABLE players(
    id INTEGER PRIMARY KEY,
    club TEXT,
    name TEXT,
    position TEXT,
    number INTEGER);
CREATE TABLE credits(
    play_id INTEGER NOT NULL REFERENCES plays,
    player_id INTEGER NOT NULL REFERENCES players,
    counter TEXT NOT NULL,
    delta INTEGER NOT NULL);
)sql";

// Created once the rows are in: building an index at the end is cheaper than keeping
// it up to date row by row.
// A counter's total over credits, as the season sums it: the largest value for a
// maximum counter, else the sum.
std::string CounterTotal() {
    std::string sql = "CASE c.counter";
    for (const PlayerCounterField& field : kPlayerCounterFields) {
        if (field.maximum) sql += " WHEN '" + std::string(field.name) + "' THEN MAX(c.delta)";
    }
    return sql + " ELSE SUM(c.delta) END";
}

constexpr std::string_view kIndexes = R"sql(
CREATE INDEX plays_game ON plays(game_id);
CREATE INDEX plays_offense ON plays(offense);
CREATE INDEX plays_defense ON plays(defense);
CREATE INDEX plays_ball_handler ON plays(ball_handler_id);
CREATE INDEX plays_passer ON plays(passer_id);
CREATE INDEX credits_play ON credits(play_id);
CREATE INDEX credits_player ON credits(player_id);
CREATE INDEX play_calls_game ON play_calls(game_id);
)sql";

std::string Views() {
    return "CREATE VIEW player_season(player_id, club, name, counter, total) AS\n"
           "    SELECT p.id, p.club, p.name, c.counter, " +
           CounterTotal() +
           "\n"
           "    FROM credits c JOIN players p ON p.id = c.player_id\n"
           "    GROUP BY p.id, c.counter;\n"
           "CREATE VIEW player_games(player_id, game_id, counter, total) AS\n"
           "    SELECT c.player_id, pl.game_id, c.counter, " +
           CounterTotal() +
           "\n"
           "    FROM credits c JOIN plays pl ON pl.id = c.play_id\n"
           "    GROUP BY c.player_id, pl.game_id, c.counter;\n";
}

const char* SqlType(ColumnType type) {
    switch (type) {
        case ColumnType::Integer:
            return " INTEGER";
        case ColumnType::Decimal:
            return " REAL";
        default:
            return " TEXT";
    }
}

// The plays table has the columns of the play-by-play table, so that a query reads like
// a script over `plays` output: its game as a game's id, and its players' ids beside.
std::string PlaysTable() {
    std::string sql =
        "CREATE TABLE plays(\n    id INTEGER PRIMARY KEY,\n"
        "    game_id INTEGER NOT NULL REFERENCES games";
    for (const DataColumn& column : EmptyPlayTable().columns) {
        if (column.name == "game") continue;
        sql += ",\n    " + column.name + SqlType(column.type);
    }
    return sql +
           ",\n    ball_handler_id INTEGER REFERENCES players,\n"
           "    passer_id INTEGER REFERENCES players);\n";
}

std::string PlayCallsTable() {
    std::string sql =
        "CREATE TABLE play_calls(\n    game_id INTEGER NOT NULL REFERENCES games,\n"
        "    club TEXT,\n    play TEXT,\n    kind INTEGER";
    for (const PlayCallCounterField& field : kPlayCallCounterFields) {
        sql += ",\n    ";
        sql += field.name;
        sql += " INTEGER";
    }
    return sql + ");\n";
}

std::string InsertInto(std::string_view table, std::size_t columns) {
    std::string sql = "INSERT INTO " + std::string(table) + " VALUES(?";
    for (std::size_t i = 1; i < columns; ++i) sql += ",?";
    return sql + ")";
}

class Database {
public:
    explicit Database(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK) {
            std::string reason = db_ ? Reason() : "out of memory";
            sqlite3_close(db_);
            db_ = nullptr;
            throw WriteFailure(reason);
        }
    }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database() { sqlite3_close_v2(db_); }

    void Run(std::string_view sql) {
        std::string text(sql);
        if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail();
    }
    // Closing is where a last write can still fail; the file is not done before.
    void Close() {
        if (sqlite3_close(db_) != SQLITE_OK) Fail();
        db_ = nullptr;
    }
    [[noreturn]] void Fail() const { throw WriteFailure(Reason()); }
    sqlite3* handle() const { return db_; }

private:
    std::string Reason() const {
        std::string reason = sqlite3_errmsg(db_);
        int code = sqlite3_errcode(db_);
        if (code == SQLITE_CANTOPEN || code == SQLITE_IOERR || code == SQLITE_FULL) {
            if (int system = sqlite3_system_errno(db_)) {
                reason += std::string(" (") + std::strerror(system) + ")";
            }
        }
        return reason;
    }

    sqlite3* db_ = nullptr;
};

// A prepared INSERT whose values are bound in column order, then Run.
class Insert {
public:
    Insert(Database& db, const std::string& sql) : db_(db) {
        if (sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK) {
            db.Fail();
        }
    }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;
    ~Insert() { sqlite3_finalize(statement_); }

    Insert& Int(std::int64_t value) {
        Check(sqlite3_bind_int64(statement_, next_++, value));
        return *this;
    }
    // A value that was not read is NULL, as it is an empty cell in the table.
    Insert& IntIf(std::int64_t value, bool read) { return read ? Int(value) : Null(); }
    Insert& Real(double value) {
        Check(sqlite3_bind_double(statement_, next_++, value));
        return *this;
    }
    // A cell of a table of the core's, by its column's type; an empty one is NULL.
    Insert& Cell(const std::string& cell, ColumnType type) {
        if (cell.empty()) return Null();
        if (type == ColumnType::Integer) return Int(std::stoll(cell));
        if (type == ColumnType::Decimal) return Real(std::stod(cell));
        return Latin1(cell);
    }
    Insert& Null() {
        Check(sqlite3_bind_null(statement_, next_++));
        return *this;
    }
    Insert& Text(std::string_view utf8) {
        if (utf8.empty()) return Null();
        Check(sqlite3_bind_text(statement_, next_++, utf8.data(), static_cast<int>(utf8.size()),
                                SQLITE_TRANSIENT));
        return *this;
    }
    // Names and statements come from the logs in Latin-1.
    Insert& Latin1(std::string_view latin1) { return Text(Latin1ToUtf8(latin1)); }

    void Run() {
        if (sqlite3_step(statement_) != SQLITE_DONE) db_.Fail();
        Check(sqlite3_reset(statement_));
        next_ = 1;
    }

private:
    void Check(int result) const {
        if (result != SQLITE_OK) db_.Fail();
    }

    Database& db_;
    sqlite3_stmt* statement_ = nullptr;
    int next_ = 1;
};

// Whether `path` names one of `files` (through links, under other names).
bool IsOneOf(const std::string& path, const std::vector<LogPath>& files) {
    struct stat out {};
    if (stat(path.c_str(), &out) != 0) return false;
    return std::any_of(files.begin(), files.end(), [&](const LogPath& file) {
        struct stat in {};
        return stat(file.path.c_str(), &in) == 0 && in.st_dev == out.st_dev &&
               in.st_ino == out.st_ino;
    });
}

// A table of the core's as it stands, its columns typed as the table types them.
void WriteTable(Database& db, std::string_view name, const DataTable& table) {
    std::string sql = "CREATE TABLE " + std::string(name) + "(";
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        sql +=
            (i > 0 ? ",\n    " : "\n    ") + table.columns[i].name + SqlType(table.columns[i].type);
    }
    db.Run(sql + ");\n");
    Insert rows(db, InsertInto(name, table.columns.size()));
    for (const std::vector<std::string>& row : table.rows) {
        for (std::size_t i = 0; i < row.size(); ++i) rows.Cell(row[i], table.columns[i].type);
        rows.Run();
    }
}

void WriteSeason(Database& db, const Season& season, const PlayFilter& filter) {
    // Expected points are fitted from every play read, whatever the filter chooses.
    SeasonMeasures measures = MeasureSeason(season);
    // The file is thrown away on any failure, so a rollback journal on disk buys nothing.
    db.Run("PRAGMA journal_mode=MEMORY");
    db.Run("BEGIN");
    db.Run(kTables);
    db.Run(PlaysTable());
    db.Run(PlayCallsTable());
    {
        Insert games(db, InsertInto("games", 6));
        Insert players(db, InsertInto("players", 5));
        const std::vector<DataColumn> playColumns = EmptyPlayTable().columns;
        Insert plays(db, InsertInto("plays", playColumns.size() + 3));
        Insert credits(db, InsertInto("credits", 4));
        Insert playCalls(db, InsertInto("play_calls", 4 + kPlayCallCounterFields.size()));

        const std::vector<SeasonPlayer>& roster = season.players();
        for (std::size_t id = 0; id < roster.size(); ++id) {
            const SeasonPlayer& player = roster[id];
            players.Int(static_cast<std::int64_t>(id) + 1)
                .Latin1(player.club)
                .Latin1(player.name)
                .Latin1(player.position)
                .Int(player.number)
                .Run();
        }

        std::int64_t playId = 0;
        for (std::size_t g = 0; g < season.games().size(); ++g) {
            const SeasonGame& game = season.games()[g];
            const std::int64_t gameId = static_cast<std::int64_t>(g) + 1;
            games.Int(gameId)
                .Text(FileNameText(game.file))
                .Latin1(game.clubs[0])
                .Latin1(game.clubs[1])
                .Int(game.finalScore[0])
                .Int(game.finalScore[1])
                .Run();

            // The season keeps where each statement lies, not its text: read the file
            // again. Should it be gone by now, the text stays NULL.
            std::string bytes;
            const bool haveText = ReadFileBytes(game.file, bytes, nullptr);
            auto player = [&](std::int32_t place) -> const SeasonPlayer* {
                if (place < 0 || static_cast<std::size_t>(place) >= game.players.size()) {
                    return nullptr;
                }
                return &roster[game.players[static_cast<std::size_t>(place)]];
            };
            auto playerId = [&](std::int32_t place) {
                return player(place) ? game.players[static_cast<std::size_t>(place)] + 1 : 0;
            };

            PlayCallTable calls;
            for (std::size_t at = 0; at < game.plays->plays.size(); ++at) {
                const Play& play = game.plays->plays[at];
                if (!filter.Empty() && !filter.Accepts(play)) continue;
                ++playId;
                plays.Int(playId).Int(gameId);
                const std::vector<std::string> cells = PlayRowCells(
                    "", *game.plays, play,
                    [&](std::int32_t place) {
                        const SeasonPlayer* named = player(place);
                        return named ? named->name : std::string();
                    },
                    haveText ? StatementText(bytes, {play.textOffset, play.textLength})
                             : std::string(),
                    &measures.games[g].plays[at]);
                // Empty cells are NULL, as a value that was not read.
                for (std::size_t i = 1; i < cells.size(); ++i)
                    plays.Cell(cells[i], playColumns[i].type);
                const SeasonPlayer* ballHandler = player(play.ballHandler);
                const SeasonPlayer* passer = player(play.passer);
                plays.IntIf(playerId(play.ballHandler), ballHandler != nullptr)
                    .IntIf(playerId(play.passer), passer != nullptr)
                    .Run();

                for (std::uint32_t i = 0; i < play.creditCount; ++i) {
                    const PlayerCredit& credit = game.plays->credits[play.firstCredit + i];
                    credits.Int(playId)
                        .Int(static_cast<std::int64_t>(game.players[credit.player]) + 1)
                        .Text(kPlayerCounterFields[credit.counter].name)
                        .Int(credit.delta)
                        .Run();
                }
                AddPlayCalls(*game.plays, play, calls);
            }

            // The table's order means nothing; the key's gives the same file every time.
            std::vector<const PlayCallTable::Map::value_type*> records;
            for (const auto& record : calls.records()) records.push_back(&record);
            std::sort(records.begin(), records.end(),
                      [](const auto* a, const auto* b) { return a->first < b->first; });
            for (const auto* record : records) {
                PlayCallKey key;
                SplitKeyText(record->first, key);
                playCalls.Int(gameId)
                    .Latin1(key.team.view())
                    .Latin1(key.play.view())
                    .Int(static_cast<std::int64_t>(key.kind));
                for (const PlayCallCounterField& field : kPlayCallCounterFields) {
                    playCalls.Int(*record->second.*field.member);
                }
                playCalls.Run();
            }
        }
    }
    WriteTable(db, "drives", DrivesTable(season, measures, filter));
    WriteTable(db, "ep_model", EpModelTable(measures.model));
    db.Run(kIndexes);
    db.Run(Views());
    db.Run("COMMIT");
}

}  // namespace

int RunExport(const std::string& outPath, const std::vector<std::string>& paths,
              const PlayFilter& filter, Streams io) {
    auto refuse = [&](const std::string& why) {
        return Report(io.err, kFileFailed, "cannot write ", FileNameText(why));
    };
    // Before any log is read: what may not be replaced is said at once.
    std::string why;
    if (!MayReplaceFile(outPath, &why)) return refuse(why);
    if (IsOneOf(outPath, ExpandLogPaths(paths))) {
        return refuse(outPath + ": it is one of the logs to read");
    }
    Season season;
    if (ReadSeason(season, paths, io.err) != SeasonRead::Whole) return kFileFailed;

    // The old file is replaced only by a complete database, written beside it.
    auto fill = [&](int, const std::string& temporary, std::string& reason) {
        try {
            Database db(temporary);
            WriteSeason(db, season, filter);
            db.Close();
            return true;
        } catch (const WriteFailure& failure) {
            reason = failure.what();
            return false;
        }
    };
    if (!ReplaceFileAtomically(outPath, fill, &why)) return refuse(why);
    return kDone;
}

}  // namespace gridtally
