#include "core/playdb/PlayDBFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

#include "core/playcalls/ByteStream.h"
#include "core/playcalls/PlayCallFile.h"
#include "core/playdb/PlayDB.h"

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

// A new file beside `target` that no one else has opened: O_EXCL never takes over a
// leftover. Its mode is `mode` less the umask, which open() applies.
int CreateBeside(const std::string& target, mode_t mode, std::string& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The folder part of a path ("." for a bare name) and the name in it.
std::pair<std::string, std::string> SplitPath(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// A save killed half-way leaves its "NAME.tmpPID-N" beside the file. Those of writers
// that are gone are removed at the next save (which holds the file's lock).
void RemoveLeftovers(const std::string& target) {
    auto [folder, name] = SplitPath(target);
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), &closedir);
    if (!dir) return;
    const std::string prefix = name + ".tmp";
    while (dirent* entry = readdir(dir.get())) {
        std::string_view other = entry->d_name;
        if (!other.starts_with(prefix)) continue;
        std::string_view rest = other.substr(prefix.size());
        std::size_t dash = rest.find('-');
        if (dash == 0 || dash == std::string_view::npos) continue;
        std::string pid(rest.substr(0, dash));
        std::string count(rest.substr(dash + 1));
        if (pid.find_first_not_of("0123456789") != std::string::npos || count.empty() ||
            count.find_first_not_of("0123456789") != std::string::npos || pid.size() > 9) {
            continue;
        }
        if (kill(static_cast<pid_t>(std::stol(pid)), 0) == 0 || errno != ESRCH) continue;
        unlinkat(dirfd(dir.get()), entry->d_name, 0);
    }
}

// After a rename the folder holds the new name only once the folder itself is flushed.
void SyncFolder(const std::string& target) {
    int fd = open(SplitPath(target).first.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

std::string SerializePlayDB(const PlayDB& db) {
    std::string out;
    WritePlayCallTable(db.playCalls, out);
    for (const auto& entry : db.teamTotals) {
        // Not a structured binding: clang before 16 cannot capture one in a lambda.
        const TeamTotals& totals = *entry.second;
        out.push_back(kTeamRecordTag);
        out.append(totals.name.bytes().data(), kNameField);
        ForEachCount([&](int down, int bucket, int kind) {
            AppendInt32LE(out, totals.counts[down][bucket][kind]);
        });
    }
    return out;
}

std::string DescribeLoadReport(const PlayDBLoadReport& report) {
    std::string text;
    if (report.unknownTagBytes > 0) text += std::to_string(report.unknownTagBytes) + " stray bytes";
    if (report.unknownTagBytes > 0 && report.cutShort) text += ", ";
    if (report.cutShort) text += "a record cut short by the end of the file";
    text += " (read " + std::to_string(report.playCallRecords) + " play-call and " +
            std::to_string(report.teamRecords) + " team records)";
    return text;
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

namespace {

// The file a save replaces or creates, as found before anything is written.
struct SaveTarget {
    std::string path;       // a link's target when a link is followed
    bool keepMode = false;  // a file is replaced: the new one gets its permissions
    mode_t mode = 0;
};

bool FindSaveTarget(const std::string& path, AtLink links, SaveTarget& target, std::string* error) {
    auto refuse = [&](const std::string& what, const char* reason) {
        if (error) *error = path + ": " + what + ": " + reason;
        return false;
    };
    auto fail = [&](const std::string& what) { return refuse(what, std::strerror(errno)); };

    target = {path, false, 0};
    struct stat old {};
    bool exists =
        (links == AtLink::Follow ? stat(path.c_str(), &old) : lstat(path.c_str(), &old)) == 0;
    if (!exists) {
        if (errno != ENOENT) return fail("cannot look at it");
        struct stat link {};
        if (links == AtLink::Follow && lstat(path.c_str(), &link) == 0) {
            return fail("cannot follow the link");
        }
        return true;
    }
    if (links == AtLink::Replace && S_ISLNK(old.st_mode)) return true;
    if (!S_ISREG(old.st_mode)) return refuse("cannot replace", "not a regular file");
    if (links == AtLink::Follow) {
        std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr),
                                                         &std::free);
        if (!real) return fail("cannot resolve");
        target.path = real.get();
    }
    // A file without write permission stays as it is, even for root and even though
    // the folder would let it be replaced.
    if (access(target.path.c_str(), W_OK) != 0) return fail("cannot write");
    if ((old.st_mode & 0222) == 0) return refuse("cannot write", std::strerror(EACCES));
    target.keepMode = true;
    target.mode = old.st_mode & 07777;
    return true;
}

}  // namespace

bool MayReplaceFile(const std::string& path, std::string* error, AtLink links) {
    SaveTarget target;
    return FindSaveTarget(path, links, target, error);
}

bool ReplaceFileAtomically(const std::string& path, const FillFunction& fill, std::string* error,
                           AtLink links) {
    auto refuse = [&](const std::string& what, const std::string& reason) {
        if (error) *error = path + ": " + what + ": " + reason;
        return false;
    };
    auto fail = [&](const std::string& what) { return refuse(what, std::strerror(errno)); };

    SaveTarget target;
    if (!FindSaveTarget(path, links, target, error)) return false;
    RemoveLeftovers(target.path);
    std::string temporary;
    int fd = CreateBeside(target.path, target.keepMode ? 0600 : 0666, temporary);
    if (fd < 0) return fail("cannot create a file beside it");

    auto abandon = [&](const std::string& what, const std::string& reason) {
        close(fd);
        unlink(temporary.c_str());
        return refuse(what, reason);
    };
    if (target.keepMode && fchmod(fd, target.mode) != 0) {
        return abandon("cannot give the new file the old one's permissions", std::strerror(errno));
    }
    std::string reason;
    if (!fill(fd, temporary, reason)) return abandon("cannot write", reason);
    if (fsync(fd) != 0) return abandon("cannot flush", std::strerror(errno));
    if (close(fd) != 0) {
        int saved = errno;
        unlink(temporary.c_str());
        errno = saved;
        return fail("cannot close");
    }
    if (std::rename(temporary.c_str(), target.path.c_str()) != 0) {
        int saved = errno;
        unlink(temporary.c_str());
        errno = saved;
        return fail("cannot replace");
    }
    SyncFolder(target.path);
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error,
                         const WriteFunction& write, AtLink links) {
    auto fill = [&](int fd, const std::string&, std::string& reason) {
        std::size_t written = 0;
        while (written < bytes.size()) {
            long got = write ? write(fd, bytes.data() + written, bytes.size() - written)
                             : ::write(fd, bytes.data() + written, bytes.size() - written);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) {
                reason = std::strerror(got == 0 ? EIO : errno);
                return false;
            }
            written += static_cast<std::size_t>(got);
        }
        return true;
    };
    return ReplaceFileAtomically(path, fill, error, links);
}

bool SavePlayDBFile(const PlayDB& db, const std::string& path, std::string* error) {
    return WriteFileAtomically(path, SerializePlayDB(db), error);
}

}  // namespace gridtally
