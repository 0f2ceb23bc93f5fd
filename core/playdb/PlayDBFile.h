#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace gridtally {

class PlayDB;

// A Play DB file: no header, play-call records (257 bytes, tag 0) then team records
// (193 bytes, tag 1: name, then the 32 counts bucket by bucket, run then pass, down 1
// to 4), all integers signed little-endian. An empty DB is an empty file.
inline constexpr char kTeamRecordTag = 1;
inline constexpr std::size_t kTeamRecordSize = 193;

std::string SerializePlayDB(const PlayDB& db);

// What loading met besides whole records, so that a caller can warn about a file that
// is damaged or no Play DB at all.
struct PlayDBLoadReport {
    int playCallRecords = 0;
    int teamRecords = 0;
    std::size_t unknownTagBytes = 0;  // skipped
    bool cutShort = false;            // the file ended inside a record
    bool Clean() const { return unknownTagBytes == 0 && !cutShort; }
};

// What was wrong, for a message: "3 stray bytes, a record cut short by the end of the
// file (read 2 play-call and 1 team records)".
std::string DescribeLoadReport(const PlayDBLoadReport& report);

// Loads records in any order into `db`; a later record of a key or name replaces an
// earlier one, unknown tag bytes are skipped, and a record cut short by the end of the
// file keeps what was read (a play-call record only when a counter byte was read).
PlayDBLoadReport LoadPlayDB(std::string_view bytes, PlayDB& db);

// Writes `bytes` to `path` without ever leaving a half-written file there: the bytes go
// to a new file in the same folder, which replaces `path` only once all of them are
// written and flushed. A symbolic link stays a link: the file it points to is replaced.
// The new file keeps the old one's permissions, or gets a new file's usual ones; a file
// without write permission is refused, as is anything but a regular file. On failure
// the old file is untouched, `error` names the path and the reason, and the result is
// false. `write` stands for the system's write() so that tests can make it fail.
using WriteFunction = std::function<long(int fd, const char* data, std::size_t size)>;
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error,
                         const WriteFunction& write = {});

bool SavePlayDBFile(const PlayDB& db, const std::string& path, std::string* error);

}  // namespace gridtally
