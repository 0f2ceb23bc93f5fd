// Writes the seed DBs of the Play DB targets: one DB of each log, one of all of them,
// and a DB of a single play-call and a single team record.
//
//     make_pdb_seeds OUT_DIR LOG...
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "core/playdb/PlayDB.h"
#include "core/playdb/PlayDBFile.h"
#include "core/text/Diagnostics.h"
#include "core/text/FileBytes.h"

namespace {

using namespace gridtally;

bool Write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_pdb_seeds OUT_DIR LOG...\n");
        return 2;
    }
    std::filesystem::path outDir = argv[1];
    std::filesystem::create_directories(outDir);
    PlayDB season;
    season.diagnostics = &NoDiagnostics();
    std::set<std::string> names;
    for (int i = 2; i < argc; ++i) {
        std::string bytes;
        std::string error;
        if (!ReadFileBytes(argv[i], bytes, &error)) {
            std::fprintf(stderr, "make_pdb_seeds: %s: %s\n", argv[i], error.c_str());
            return 1;
        }
        PlayDB one;
        one.diagnostics = &NoDiagnostics();
        one.AddLog(&bytes, names);
        season.AddLog(&bytes, names);
        std::string stem = std::filesystem::path(argv[i]).stem().string();
        if (!Write(outDir / (stem + ".pdb"), SerializePlayDB(one))) return 1;
    }
    if (!Write(outDir / "season.pdb", SerializePlayDB(season))) return 1;

    PlayDB small;
    if (!season.playCalls.empty()) {
        const auto& [key, record] = *season.playCalls.records().begin();
        small.playCalls.Store(key, std::make_unique<PlayCallRec>(*record));
    }
    if (!season.teamTotals.empty()) {
        small.MergeTeamTotals(std::make_unique<TeamTotals>(*season.teamTotals.begin()->second));
    }
    return Write(outDir / "one-of-each.pdb", SerializePlayDB(small)) ? 0 : 1;
}
