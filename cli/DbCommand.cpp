#include "cli/DbCommand.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <ostream>
#include <set>

#include "cli/DumpCommand.h"
#include "cli/ReportCommand.h"
#include "core/model/Statement.h"
#include "core/playdb/PlayDB.h"
#include "core/playdb/PlayDBFile.h"
#include "core/playdb/PlayDBLock.h"
#include "core/reports/GamePrintout.h"
#include "core/text/Diagnostics.h"
#include "core/text/Latin1.h"

namespace gridtally {
namespace {

bool Exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

// What a command does with the DB it loads.
enum class Use {
    Print,        // a damaged file is refused: what it prints would be wrong
    ForcePrint,   // a damaged file is printed as far as it could be read
    Change,       // never a damaged file: saving would drop the bytes that formed no record
    ChangeOrNew,  // as Change; a missing file is an empty DB
};

bool Load(const std::string& path, PlayDB& db, Streams& io, Use use) {
    if (use == Use::ChangeOrNew && !Exists(path)) return true;
    std::string bytes;
    if (!ReadInputFile(path, bytes, io.err)) return false;
    PlayDBLoadReport report = LoadPlayDB(bytes, db);
    if (report.Clean()) return true;
    Warn(io.err, FileNameText(path), " is damaged or not a Play DB: ", DescribeLoadReport(report));
    switch (use) {
        case Use::ForcePrint:
            return true;
        case Use::Print:
            Report(io.err, kFileFailed, "not printing ", FileNameText(path),
                   " (--force prints what could be read)");
            return false;
        case Use::Change:
        case Use::ChangeOrNew:
            Report(io.err, kFileFailed, "not changing ", FileNameText(path));
            return false;
    }
    return false;
}

// A log named twice is added twice, as asked; but that is rarely meant, so it is said.
void WarnOfRepeatedLogs(const std::vector<std::string>& logs, Streams& io) {
    std::set<std::pair<dev_t, ino_t>> seen;
    std::set<std::string> named;
    for (const std::string& log : logs) {
        struct stat info {};
        bool repeated = stat(log.c_str(), &info) == 0
                            ? !seen.insert({info.st_dev, info.st_ino}).second
                            : !named.insert(log).second;
        if (repeated) {
            Warn(io.err, FileNameText(log),
                 " is named more than once; its games are added each time");
        }
    }
}

// Holds the DB's file against other writers for the whole read, change and save.
std::unique_ptr<PlayDBLock> LockForChange(const std::string& path, PlayDBLock::Missing missing,
                                          Streams& io) {
    std::string error;
    auto lock = PlayDBLock::Acquire(path, missing, PlayDBLockWait(), &error);
    if (!lock) Report(io.err, kFileFailed, FileNameText(error), "; nothing was changed");
    return lock;
}

bool Save(const PlayDB& db, const std::string& path, Streams& io) {
    std::string error;
    if (SavePlayDBFile(db, path, &error)) return true;
    Report(io.err, kFileFailed, "cannot save ", FileNameText(error));
    return false;
}

// Passes on the parser's messages while logs are added. A person at a terminal is told
// which file they are about and reads them as text; a pipe gets the bytes as ever.
class LogMessages : public DiagnosticsSink {
public:
    explicit LogMessages(Streams& io) : io_(io) {}

    void StartFile(const std::string& path) {
        path_ = path;
        named_ = {};
    }
    // The progress line on `err` is waiting for its end.
    void SetProgressOpen(bool open) { progressOpen_ = open; }

    void Write(DiagnosticStream stream, std::string_view message) override {
        bool toOut = stream == DiagnosticStream::Out;
        std::ostream& os = toOut ? io_.out : io_.err;
        if (!(toOut ? io_.outIsTerminal : io_.errIsTerminal)) {
            os << message << std::flush;
            return;
        }
        bool& named = named_[toOut ? 0 : 1];
        if (!named) {
            if (progressOpen_) io_.err << '\n';
            progressOpen_ = false;
            os << FileNameText(path_) << ":\n";
            named = true;
        }
        std::string text(message);
        std::replace(text.begin(), text.end(), SentenceMark, ' ');
        os << Latin1ToUtf8(text) << std::flush;
    }

private:
    Streams& io_;
    std::string path_;
    std::array<bool, 2> named_{};
    bool progressOpen_ = false;
};

void ReportUnknownTeam(const std::string& team, const std::string& dbPath, Streams& io) {
    Report(io.err, kFileFailed, "no team named \"", team, "\" in ", FileNameText(dbPath));
}

}  // namespace

int RunDbAdd(const std::string& dbPath, const std::vector<std::string>& logs, Streams io,
             bool keepGoing) {
    WarnOfRepeatedLogs(logs, io);
    auto lock = LockForChange(dbPath, PlayDBLock::Missing::Create, io);
    if (!lock) return kFileFailed;
    PlayDB db;
    if (!Load(dbPath, db, io, Use::ChangeOrNew)) return kFileFailed;
    std::set<std::string> names;
    PlayDB::AddResult result;
    {
        LogMessages messages(io);
        if (!logs.empty()) messages.StartFile(logs.front());
        auto onFile = [&](std::size_t done, std::size_t total) {
            if (io.errIsTerminal) {
                io.err << '\r' << done << " / " << total << " files" << (done == total ? "\n" : "")
                       << std::flush;
                messages.SetProgressOpen(done < total);
            }
            if (done < total) messages.StartFile(logs[done]);
            return true;
        };
        db.diagnostics = &messages;
        result = db.AddLogFiles(logs, names, onFile);
        db.diagnostics = &StandardStreams();
    }
    for (const Failure& failure : result.failures) {
        Report(io.err, kFileFailed, failure.unreadable ? "cannot read " : "",
               FileNameText(failure.path), ": ", failure.reason);
    }
    if (!result.failures.empty() && !keepGoing) {
        return Report(io.err, kFileFailed, "nothing added to ", FileNameText(dbPath),
                      " (--keep-going adds the other files)");
    }
    if (!Save(db, dbPath, io)) return kFileFailed;
    return result.failures.empty() ? kDone : kFileFailed;
}

int RunDbDump(const std::string& dbPath, Streams io, bool force) {
    PlayDB db;
    if (!Load(dbPath, db, io, force ? Use::ForcePrint : Use::Print)) return kFileFailed;
    nlohmann::ordered_json json;
    json["playCalls"] = PlayCallsJson(db.playCalls);
    json["teamTotals"] = nlohmann::ordered_json::array();
    for (const auto& [name, totals] : db.teamTotals) {  // a std::map: bytewise by name
        json["teamTotals"].push_back(TeamTotalsJson(*totals));
    }
    io.out << json.dump(2) << '\n';
    return io.out.good() ? kDone : kFileFailed;
}

int RunDbTeams(const std::string& dbPath, Streams io, bool force) {
    PlayDB db;
    if (!Load(dbPath, db, io, force ? Use::ForcePrint : Use::Print)) return kFileFailed;
    for (const std::string& name : db.TeamNames()) io.out << Latin1ToUtf8(name) << '\n';
    return io.out.good() ? kDone : kFileFailed;
}

int RunDbShow(const std::string& dbPath, const std::string& team, const PageOptions& options,
              Streams io, bool force) {
    std::optional<std::string> name = ClubArgument("TEAM", team, io.err);
    if (!name) return kUsage;
    PlayDB db;
    if (!Load(dbPath, db, io, force ? Use::ForcePrint : Use::Print)) return kFileFailed;
    db.currentTeam = *name;
    bool known = db.HasTeam(*name);
    std::vector<PrintoutPage> printed = BuildPlayCallPages(db, db.currentTeam);
    std::vector<ExportPage> exported =
        BuildClubExport({}, db, db.currentTeam, db.currentTeam, nullptr, true);
    std::vector<OutputPage> pages;
    for (std::size_t i = 0; i < printed.size(); ++i) {
        pages.push_back({db.currentTeam, std::move(printed[i]), std::move(exported[i]), {}});
    }
    int status = WritePages(std::move(pages), options, io);
    if (!known) ReportUnknownTeam(team, dbPath, io);
    return known ? status : kFileFailed;
}

int RunDbDeleteTeams(const std::string& dbPath, const std::vector<std::string>& teams, Streams io,
                     bool keepGoing) {
    std::vector<std::string> names;
    for (const std::string& team : teams) {
        std::optional<std::string> name = ClubArgument("TEAM", team, io.err);
        if (!name) return kUsage;
        names.push_back(*name);
    }
    auto lock = LockForChange(dbPath, PlayDBLock::Missing::Leave, io);
    if (!lock) return kFileFailed;
    PlayDB db;
    if (!Load(dbPath, db, io, Use::Change)) return kFileFailed;
    std::vector<std::string> known;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].empty()) {
            Report(io.err, kFileFailed, "an empty team name names no team");
        } else if (!db.HasTeam(names[i])) {
            ReportUnknownTeam(teams[i], dbPath, io);
        } else {
            known.push_back(names[i]);
        }
    }
    bool allKnown = known.size() == names.size();
    if (!allKnown && !keepGoing) {
        return Report(io.err, kFileFailed, "nothing deleted from ", FileNameText(dbPath),
                      " (--keep-going deletes the other teams)");
    }
    for (const std::string& name : known) db.DeleteTeam(name);
    if (!known.empty() && !Save(db, dbPath, io)) return kFileFailed;
    return allKnown ? kDone : kFileFailed;
}

}  // namespace gridtally
