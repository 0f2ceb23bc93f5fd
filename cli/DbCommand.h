#pragma once

#include <string>
#include <vector>

#include "CommandIo.h"

namespace gridtally {

// The `db` commands on a Play DB file. Each returns the exit status.

// Adds logs in order (creating the DB when the file does not exist) and saves.
int RunDbAdd(const std::string& dbPath, const std::vector<std::string>& logs, Streams io);
// {"playCalls": [...], "teamTotals": [...]}, both sorted.
int RunDbDump(const std::string& dbPath, Streams io);
// The clubs a user can choose, one a line.
int RunDbTeams(const std::string& dbPath, Streams io);
// A club's running, passing and defensive plays and tendencies, as `report` prints pages.
int RunDbShow(const std::string& dbPath, const std::string& team, Streams io);
// Removes clubs and saves.
int RunDbDeleteTeams(const std::string& dbPath, const std::vector<std::string>& teams,
                     Streams io);

}  // namespace gridtally
