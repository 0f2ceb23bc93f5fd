#include "DbCommand.h"

#include <sys/stat.h>

#include <functional>
#include <memory>
#include <ostream>
#include <set>

#include "DumpCommand.h"
#include "ReportCommand.h"
#include "text/Latin1.h"
#include "playdb/PlayDB.h"
#include "playdb/PlayDBFile.h"
#include "reports/GamePrintout.h"

namespace gridtally {
namespace {

bool Exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

// Loads the DB; a missing file is an empty DB when `missingIsEmpty`. A DB that is to be
// saved again must load cleanly: saving would drop the bytes that formed no record.
bool Load(const std::string& path, PlayDB& db, Streams& io, bool missingIsEmpty,
          bool willSave = false) {
    if (missingIsEmpty && !Exists(path)) return true;
    std::string bytes;
    if (!ReadInputFile(path, bytes, io.err)) return false;
    PlayDBLoadReport report = LoadPlayDB(bytes, db);
    if (!report.Clean()) {
        io.err << kProgram << "warning: " << path << " is damaged or not a Play DB: ";
        if (report.unknownTagBytes > 0) io.err << report.unknownTagBytes << " stray bytes";
        if (report.unknownTagBytes > 0 && report.cutShort) io.err << ", ";
        if (report.cutShort) io.err << "a record cut short by the end of the file";
        io.err << " (read " << report.playCallRecords << " play-call and " << report.teamRecords
               << " team records)\n";
        if (willSave) {
            io.err << kProgram << "not changing " << path << '\n';
            return false;
        }
    }
    return true;
}

bool Save(const PlayDB& db, const std::string& path, Streams& io) {
    std::string error;
    if (SavePlayDBFile(db, path, error)) return true;
    io.err << kProgram << "cannot save " << error << '\n';
    return false;
}

}  // namespace

int RunDbAdd(const std::string& dbPath, const std::vector<std::string>& logs, Streams io) {
    PlayDB db;
    if (!Load(dbPath, db, io, true, true)) return 1;
    std::set<std::string> names;
    auto progress = [&](std::size_t done, std::size_t total) {
        io.err << '\r' << done << " / " << total << " files" << (done == total ? "\n" : "")
               << std::flush;
    };
    std::function<void(std::size_t, std::size_t)> onFile;
    if (io.errIsTerminal) onFile = progress;
    PlayDB::AddResult result = db.AddLogFiles(logs, names, onFile);
    for (const PlayDB::LogFailure& failure : result.failures) {
        if (failure.unreadable) io.err << kProgram << "cannot read ";
        io.err << failure.path << ": " << failure.reason << '\n';
    }
    if (!Save(db, dbPath, io)) return 1;
    return result.failures.empty() ? 0 : 1;
}

int RunDbDump(const std::string& dbPath, Streams io) {
    PlayDB db;
    if (!Load(dbPath, db, io, false)) return 1;
    nlohmann::ordered_json json;
    json["playCalls"] = PlayCallsJson(db.playCalls);
    json["teamTotals"] = nlohmann::ordered_json::array();
    for (const auto& [name, totals] : db.teamTotals) {  // a std::map: bytewise by name
        json["teamTotals"].push_back(TeamTotalsJson(*totals));
    }
    io.out << json.dump(2) << '\n';
    return io.out.good() ? 0 : 1;
}

int RunDbTeams(const std::string& dbPath, Streams io) {
    PlayDB db;
    if (!Load(dbPath, db, io, false)) return 1;
    for (const std::string& name : db.TeamNames()) io.out << Latin1ToUtf8(name) << '\n';
    return io.out.good() ? 0 : 1;
}

int RunDbShow(const std::string& dbPath, const std::string& team, Streams io) {
    std::optional<std::string> name = ClubArgument("TEAM", team, io.err);
    if (!name) return kUsage;
    PlayDB db;
    if (!Load(dbPath, db, io, false)) return 1;
    db.currentTeam = *name;
    std::vector<std::unique_ptr<PlayRec>> any;
    for (PlayKind kind : {PlayKind::Run, PlayKind::Pass, PlayKind::Defense}) {
        db.CollectPlayCalls(kind, db.currentTeam, any);
    }
    bool known = !any.empty() || db.FindTeamTotals(db.currentTeam) != nullptr;
    io.out << FormatPrintout(BuildPlayCallPages(db, db.currentTeam), false);
    if (!known) io.err << kProgram << "no team named \"" << team << "\" in " << dbPath << '\n';
    return io.out.good() && known ? 0 : 1;
}

int RunDbDeleteTeams(const std::string& dbPath, const std::vector<std::string>& teams,
                     Streams io) {
    std::vector<std::string> names;
    for (const std::string& team : teams) {
        std::optional<std::string> name = ClubArgument("TEAM", team, io.err);
        if (!name) return kUsage;
        names.push_back(*name);
    }
    PlayDB db;
    if (!Load(dbPath, db, io, false, true)) return 1;
    int status = 0;
    for (std::size_t i = 0; i < teams.size(); ++i) {
        const std::string& team = teams[i];
        const std::string& name = names[i];
        if (name.empty()) {
            io.err << kProgram << "an empty team name names no team\n";
            status = 1;
            continue;
        }
        bool known = db.FindTeamTotals(name) != nullptr;
        int removed = db.DeleteTeam(name);
        if (!known && removed == 0) {
            io.err << kProgram << "no team named \"" << team << "\" in " << dbPath << '\n';
            status = 1;
        }
    }
    if (!Save(db, dbPath, io)) return 1;
    return status;
}

}  // namespace gridtally
