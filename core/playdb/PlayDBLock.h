#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace gridtally {

// An advisory lock (flock) on a Play DB file, held by a writer for its whole read,
// change and save, so that two writers never both read the old file and one of them
// loses its work. The lock is on the file itself, no lock file: after locking, the
// path is checked to still name the file locked, as a save replaces the file by
// renaming another over it and a writer that waited must then lock the new one.
class PlayDBLock {
public:
    enum class Missing { Create, Leave };

    // Locks `path`, waiting up to `wait` for another writer to finish. A missing file is
    // created empty with Missing::Create (and removed again if it is still empty and
    // ours when the lock goes) or left missing, unlocked, with Missing::Leave. What is no
    // regular file, or a file that cannot be opened, is not locked: the read or the save
    // then says what is wrong. Nothing, with `error` naming the file, when the wait ran
    // out.
    static std::unique_ptr<PlayDBLock> Acquire(const std::string& path, Missing missing,
                                               std::chrono::milliseconds wait, std::string* error);
    ~PlayDBLock();

    PlayDBLock(const PlayDBLock&) = delete;
    PlayDBLock& operator=(const PlayDBLock&) = delete;

private:
    PlayDBLock(std::string path, int fd, bool created)
        : path_(std::move(path)), fd_(fd), created_(created) {}

    std::string path_;
    int fd_ = -1;
    bool created_ = false;
};

// How long a writer waits for another: GRIDTALLY_LOCK_WAIT_MS when set, else 10 s.
std::chrono::milliseconds PlayDBLockWait();

}  // namespace gridtally
