#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

#include "core/model/GameState.h"
#include "core/model/PlayerRoster.h"
#include "core/model/TeamTotals.h"
#include "core/parsers/StatementParser.h"
#include "core/playcalls/PlayCallTable.h"
#include "core/playdb/PlayDB.h"
#include "core/playdb/PlayDBFile.h"
#include "core/text/Diagnostics.h"

namespace gridtally {
namespace {

// One statement of each kind, as a game writes them.
const char* const kSituation =
    "Hillcrest's ball on their 38 yard line. First and 10. There are 14:51 left in the first "
    "quarter. The score is Riverside Otters 0, Hillcrest 0. Hillcrest has possession.";
const char* const kRun =
    "Hillcrest's QB #12 Ben Tsai gives to HB #27 Theo Banks. Theo Banks runs for a gain of 2 "
    "yards. Theo Banks is tackled by Riverside Otters's LB #56 Ned Carver. That was Dive Right "
    "(12) against Riverside Otters's Blitz (9).";
const char* const kPass =
    "The pass from Hillcrest's QB #12 Ben Tsai is caught by WR #11 Eli Moss for a gain of almost "
    "7 yards. Eli Moss is tackled by Riverside Otters's CB #21 Otis Ferro. That was Slant (21) "
    "against Riverside Otters's Nickel (11).";
const char* const kPunt =
    "Hillcrest's P #8 Hal Witt punts 45 yards to Riverside Otters's WR #84 Bjorn Halvorsen. "
    "Bjorn Halvorsen returns the kick for 10 yards. Net punt yardage was 35 yards. That was "
    "Punt (40) against Riverside Otters's Punt Return (41).";

// The game a statement is read into, kept across iterations as a game keeps it.
struct Game {
    LogParse parse{NoDiagnostics()};
    PlayCallTable playCalls;
    PlayerRoster roster;
    std::array<TeamTotals, 2> totals;
};

void ParseKind(benchmark::State& run, const char* text, bool situationFirst) {
    Game game;
    std::size_t bytes = 0;
    for (auto _ : run) {
        if (situationFirst) {
            Statement situation = kSituation;
            ParseStatement(situation, game.parse, game.playCalls, game.roster, game.totals);
        }
        Statement statement = text;
        bytes += statement.size();
        benchmark::DoNotOptimize(
            ParseStatement(statement, game.parse, game.playCalls, game.roster, game.totals));
    }
    run.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void BM_ParseSituation(benchmark::State& run) { ParseKind(run, kSituation, false); }
void BM_ParseRun(benchmark::State& run) { ParseKind(run, kRun, true); }
void BM_ParsePass(benchmark::State& run) { ParseKind(run, kPass, true); }
void BM_ParsePunt(benchmark::State& run) { ParseKind(run, kPunt, true); }
BENCHMARK(BM_ParseSituation);
BENCHMARK(BM_ParseRun);
BENCHMARK(BM_ParsePass);
BENCHMARK(BM_ParsePunt);

// A Play DB of 100,000 play-call records: load from its bytes, then the atomic save.
void BM_PlayDBLoadAndSave(benchmark::State& run) {
    PlayDB source;
    for (int i = 0; i < 100000; ++i) {
        PlayRec play;
        play.key.team = "Club " + std::to_string(i % 40);
        play.key.play = "Play " + std::to_string(i);
        play.key.kind = static_cast<PlayKind>(i % 4);
        play.results.calls = 1 + i % 7;
        play.results.yards = i % 50 - 10;
        source.AddPlayCall(play);
    }
    std::string bytes = SerializePlayDB(source);
    std::string path = "/tmp/gridtally-bench-" + std::to_string(getpid()) + ".pdb";
    for (auto _ : run) {
        PlayDB db;
        LoadPlayDB(bytes, db);
        std::string error;
        if (!SavePlayDBFile(db, path, &error)) run.SkipWithError(error.c_str());
    }
    std::remove(path.c_str());
    run.SetBytesProcessed(static_cast<std::int64_t>(bytes.size()) * run.iterations());
}
BENCHMARK(BM_PlayDBLoadAndSave)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace gridtally

BENCHMARK_MAIN();
