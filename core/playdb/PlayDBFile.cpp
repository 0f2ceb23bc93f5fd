#include "playdb/PlayDBFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "playcalls/ByteStream.h"
#include "playcalls/PlayCallFile.h"
#include "playdb/PlayDB.h"

namespace gridtally {
namespace {

constexpr std::size_t kNameField = 64;
constexpr std::size_t kCountBytes = 4 * 32;

// The file's order of the counts: bucket outermost, then kind, then down.
template <typename Visit>
void ForEachCount(Visit visit) {
    for (int bucket = 0; bucket < 4; ++bucket)
        for (int kind = 0; kind < 2; ++kind)
            for (int down = 0; down < 4; ++down) visit(down, bucket, kind);
}

void ReadTeamRecord(ByteReader& reader, PlayDB& db, PlayDBLoadReport& report) {
    auto totals = std::make_unique<TeamTotals>();
    std::string_view name = reader.Read(kNameField);
    std::string_view counts = reader.Read(kCountBytes);
    if (counts.size() < kCountBytes) report.cutShort = true;
    totals->name = name;
    std::size_t offset = 0;
    ForEachCount([&](int down, int bucket, int kind) {
        if (offset < counts.size()) {
            totals->counts[down][bucket][kind] = DecodeInt32LE(counts.substr(offset, 4));
        }
        offset += 4;
    });
    std::string key = totals->name.str();
    db.teamTotals[key] = std::move(totals);
    ++report.teamRecords;
}

// A file made by mkstemp is private: the saved file keeps the old file's permissions,
// or gets the usual ones of a new file.
mode_t PermissionsFor(const std::string& path) {
    struct stat old {};
    if (stat(path.c_str(), &old) == 0) return old.st_mode & 07777;
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string SerializePlayDB(const PlayDB& db) {
    std::string out;
    WritePlayCallTable(db.playCalls, out);
    for (const auto& [name, totals] : db.teamTotals) {
        out.push_back(kTeamRecordTag);
        out.append(totals->name.bytes().data(), kNameField);
        ForEachCount([&](int down, int bucket, int kind) {
            AppendInt32LE(out, totals->counts[down][bucket][kind]);
        });
    }
    return out;
}

PlayDBLoadReport LoadPlayDB(std::string_view bytes, PlayDB& db) {
    PlayDBLoadReport report;
    ByteReader reader(bytes);
    while (!reader.AtEnd()) {
        char tag = reader.Read(1)[0];
        if (tag == kPlayCallRecordTag) {
            std::size_t start = reader.position();
            if (ReadPlayCallRecord(reader, db.playCalls)) ++report.playCallRecords;
            if (reader.position() - start < kPlayCallRecordSize - 1) report.cutShort = true;
        } else if (tag == kTeamRecordTag) {
            ReadTeamRecord(reader, db, report);
        } else {
            ++report.unknownTagBytes;
        }
    }
    return report;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error,
                         const WriteFunction& write) {
    auto fail = [&](const std::string& what) {
        error = path + ": " + what + ": " + std::strerror(errno);
        return false;
    };
    std::string temporary = path + ".XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) return fail("cannot create a file beside it");
    fchmod(fd, PermissionsFor(path));

    auto abandon = [&](const std::string& what) {
        int saved = errno;
        close(fd);
        unlink(temporary.c_str());
        errno = saved;
        return fail(what);
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        long got = write ? write(fd, bytes.data() + written, bytes.size() - written)
                         : ::write(fd, bytes.data() + written, bytes.size() - written);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            if (got == 0) errno = EIO;
            return abandon("cannot write");
        }
        written += static_cast<std::size_t>(got);
    }
    if (fsync(fd) != 0) return abandon("cannot flush");
    if (close(fd) != 0) {
        unlink(temporary.c_str());
        return fail("cannot close");
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        int saved = errno;
        unlink(temporary.c_str());
        errno = saved;
        return fail("cannot replace");
    }
    return true;
}

bool SavePlayDBFile(const PlayDB& db, const std::string& path, std::string& error) {
    return WriteFileAtomically(path, SerializePlayDB(db), error);
}

}  // namespace gridtally
