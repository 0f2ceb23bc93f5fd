#pragma once

#include <string>
#include <vector>

#include "cli/CommandIo.h"
#include "cli/PageOutput.h"

namespace gridtally {

// The `db` commands on a Play DB file. Each returns the exit status. The commands that
// print refuse a file that did not load cleanly unless `force`d; those that change a
// file never save one, and change nothing unless all of their arguments can be
// carried out, or they `keepGoing` with the rest.

// Adds logs in order (creating the DB when the file does not exist) and saves.
int RunDbAdd(const std::string& dbPath, const std::vector<std::string>& logs, Streams io,
             bool keepGoing = false);
// {"playCalls": [...], "teamTotals": [...]}, both sorted.
int RunDbDump(const std::string& dbPath, Streams io, bool force = false);
// The clubs a user can choose, one a line.
int RunDbTeams(const std::string& dbPath, Streams io, bool force = false);
// A club's running, passing and defensive plays and tendencies, as `report` prints pages.
int RunDbShow(const std::string& dbPath, const std::string& team, const PageOptions& options,
              Streams io, bool force = false);
// Removes clubs and saves.
int RunDbDeleteTeams(const std::string& dbPath, const std::vector<std::string>& teams, Streams io,
                     bool keepGoing = false);

}  // namespace gridtally
