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

// What a save does with a symbolic link at its path.
enum class AtLink {
    Follow,   // the file it points to is replaced and the link stays, as a Play DB's
    Replace,  // the link gives way to the new file, as a page written into a folder does
};

// Writes a file at `path` without ever leaving a half-written one there: `fill` writes a
// new file in the same folder (open as `fd` at `temporary`), which replaces the old one
// only once it is filled and flushed. The new file keeps the old one's permissions, or
// gets a new file's usual ones; a file without write permission is refused, as is
// anything but a regular file (or, with AtLink::Replace, a link). On failure the old
// file is untouched, `error` says "PATH: what failed: reason", and the result is false.
using FillFunction = std::function<bool(int fd, const std::string& temporary, std::string& reason)>;
bool ReplaceFileAtomically(const std::string& path, const FillFunction& fill, std::string* error,
                           AtLink links = AtLink::Follow);

// Whether ReplaceFileAtomically may replace or create `path` (the same rules, nothing
// written); false, with `error` as it gives it, when not.
bool MayReplaceFile(const std::string& path, std::string* error, AtLink links = AtLink::Follow);

// ReplaceFileAtomically with `bytes` for contents. `write` stands for the system's
// write() so that tests can make it fail.
using WriteFunction = std::function<long(int fd, const char* data, std::size_t size)>;
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error,
                         const WriteFunction& write = {}, AtLink links = AtLink::Follow);

bool SavePlayDBFile(const PlayDB& db, const std::string& path, std::string* error);

}  // namespace gridtally
