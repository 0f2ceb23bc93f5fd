#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace gridtally {

// The `db` commands on a Play DB file. Each returns the exit status; text goes to
// `out` as UTF-8, messages to `err`.
struct DbStreams {
    std::ostream& out;
    std::ostream& err;
    bool showProgress = false;  // files done / total on `err`
};

// Adds logs in order (creating the DB when the file does not exist) and saves.
int RunDbAdd(const std::string& dbPath, const std::vector<std::string>& logs, DbStreams io);
// {"playCalls": [...], "teamTotals": [...]}, both sorted.
int RunDbDump(const std::string& dbPath, DbStreams io);
// The clubs a user can choose, one a line.
int RunDbTeams(const std::string& dbPath, DbStreams io);
// A club's running, passing and defensive plays and tendencies, as `report` prints pages.
int RunDbShow(const std::string& dbPath, const std::string& team, DbStreams io);
// Removes clubs and saves.
int RunDbDeleteTeams(const std::string& dbPath, const std::vector<std::string>& teams,
                     DbStreams io);

}  // namespace gridtally
