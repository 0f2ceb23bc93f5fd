// Reads a season of logs as the season command and db add do, and prints its figures as
// "name value" lines: the median of the runs, in milliseconds unless named otherwise.
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/game/PlayFilter.h"
#include "core/playdb/PlayDB.h"
#include "core/playdb/Season.h"

namespace {

using namespace gridtally;

double MedianMs(int runs, const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        run();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: season_bench FOLDER [RUNS]\n");
        return 2;
    }
    mallopt(M_TOP_PAD, 64 << 20);  // as gridtally-cli does
    std::vector<std::string> paths{argv[1]};
    int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    unsigned cores = std::max(1u, std::thread::hardware_concurrency());

    double seasonOne = MedianMs(runs, [&] { Season().Read(paths, 1); });
    double seasonAll = MedianMs(runs, [&] { Season().Read(paths, cores); });
    auto addFiles = [&](unsigned threads) {
        Season listing;  // the folder's files, as db add is given them
        std::vector<std::string> files;
        listing.Read(paths, cores, [](std::size_t, std::size_t) { return true; });
        for (const SeasonGame& game : listing.games()) files.push_back(game.file);
        return MedianMs(runs, [&] {
            PlayDB db;
            db.diagnostics = &NoDiagnostics();
            std::set<std::string> names;
            db.AddLogFiles(files, names, {}, threads);
        });
    };
    double addOne = addFiles(1);
    double addAll = addFiles(cores);

    Season season;
    season.Read(paths, cores);
    std::string club = season.Clubs().front();
    std::vector<PlayFilter> filters(4);
    filters[0].downs = {3};
    filters[1].zones = {FieldZone::RedZone};
    filters[2].scores = {ScoreState::Trailing1To8};
    filters[3].quarters = {4};
    std::size_t next = 0;
    double pages = MedianMs(runs * 4, [&] {
        auto figures = season.Club(club, filters[next++ % filters.size()]);
        figures->Pages();
        figures->Export();
    });

    // Drives, the expected-points fit and every play's measures, on this one thread.
    double measures = MedianMs(runs * 4, [&] { MeasureSeason(season); });

    std::printf("cores %u\n", cores);
    std::printf("season_one_thread %.1f\n", seasonOne);
    std::printf("season_all_cores %.1f\n", seasonAll);
    std::printf("db_add_one_thread %.1f\n", addOne);
    std::printf("db_add_all_cores %.1f\n", addAll);
    std::printf("club_pages_new_filter %.1f\n", pages);
    std::printf("season_measures %.1f\n", measures);
    return 0;
}
