#include "core/playdb/PlayDBLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <thread>

namespace gridtally {
namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

std::unique_ptr<PlayDBLock> PlayDBLock::Acquire(const std::string& path, Missing missing,
                                                std::chrono::milliseconds wait,
                                                std::string* error) {
    auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        struct stat named {};
        bool created = false;
        int fd = -1;
        if (stat(path.c_str(), &named) == 0) {
            if (!S_ISREG(named.st_mode))
                return std::unique_ptr<PlayDBLock>(new PlayDBLock(path, -1, false));
            fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        } else if (errno == ENOENT && missing == Missing::Create) {
            fd = open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno == EEXIST) continue;  // another writer made it: lock that
            created = fd >= 0;
        }
        if (fd < 0) return std::unique_ptr<PlayDBLock>(new PlayDBLock(path, -1, false));

        while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                close(fd);  // a file system without locks: nothing to wait for
                return std::unique_ptr<PlayDBLock>(new PlayDBLock(path, -1, false));
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                close(fd);
                if (error) *error = path + ": another program is changing this Play DB";
                return nullptr;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        struct stat locked {};
        if (fstat(fd, &locked) == 0 && stat(path.c_str(), &named) == 0 && SameFile(locked, named)) {
            return std::unique_ptr<PlayDBLock>(new PlayDBLock(path, fd, created));
        }
        close(fd);  // replaced while we waited: lock the file that is there now
    }
}

PlayDBLock::~PlayDBLock() {
    if (fd_ < 0) return;
    // The empty file made only to be locked goes again if nothing was saved over it.
    struct stat locked {};
    struct stat named {};
    if (created_ && fstat(fd_, &locked) == 0 && locked.st_size == 0 &&
        stat(path_.c_str(), &named) == 0 && SameFile(locked, named)) {
        unlink(path_.c_str());
    }
    close(fd_);  // and with it the lock
}

std::chrono::milliseconds PlayDBLockWait() {
    if (const char* wait = std::getenv("GRIDTALLY_LOCK_WAIT_MS")) {
        char* end = nullptr;
        long milliseconds = std::strtol(wait, &end, 10);
        if (end != wait && *end == '\0' && milliseconds >= 0)
            return std::chrono::milliseconds(milliseconds);
    }
    return std::chrono::seconds(10);
}

}  // namespace gridtally
