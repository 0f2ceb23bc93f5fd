#include "core/text/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace gridtally {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string* error) {
    bytes.clear();
    auto fail = [&](std::string_view reason) {
        if (error) *error = reason;
        bytes.clear();
        return false;
    };
    auto failWithErrno = [&] { return fail(std::strerror(errno)); };

    // A device is not even opened (opening some has effects of its own, and a socket
    // cannot be); the check after opening, on what was opened, holds should the name
    // have changed hands in between. Without O_NONBLOCK opening a FIFO would wait.
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return failWithErrno();
    if (!S_ISREG(status.st_mode)) return fail(kNotARegularFile);
    Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) return failWithErrno();
    if (fstat(file.get(), &status) != 0) return failWithErrno();
    if (!S_ISREG(status.st_mode)) return fail(kNotARegularFile);
    int flags = fcntl(file.get(), F_GETFL);
    if (flags < 0 || fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return failWithErrno();

    // Read straight into a string one byte longer than the file, so a large log is
    // copied once and its end seen without growing; the loop still takes what a file
    // that grows meanwhile holds beyond it.
    std::size_t have = 0;
    auto size = static_cast<std::size_t>(std::max<off_t>(status.st_size, 0));
    bytes.resize(std::max<std::size_t>(size + 1, 1 << 16));
    for (;;) {
        ssize_t got = read(file.get(), bytes.data() + have, bytes.size() - have);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return failWithErrno();
        if (got == 0) break;
        have += static_cast<std::size_t>(got);
        if (have == bytes.size()) bytes.resize(bytes.size() * 2);
    }
    bytes.resize(have);
    return true;
}

}  // namespace gridtally
