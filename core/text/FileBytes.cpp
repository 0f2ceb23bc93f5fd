#include "core/text/FileBytes.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace gridtally {

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string* error) {
    bytes.clear();
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        if (error) *error = std::strerror(errno);
        return false;
    }
    // Read straight into a string of the file's size, so a large log is copied once;
    // the loop still takes what a pipe, or a file that grows meanwhile, holds beyond it.
    // Only a regular file's size means anything: a directory's "end" is far out.
    std::size_t expected = 0;
    struct stat status {};
    if (fstat(fileno(file.get()), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        expected = static_cast<std::size_t>(status.st_size);
    }
    std::size_t have = 0;
    bytes.resize(std::max<std::size_t>(expected, 1 << 16));
    for (std::size_t got;
         (got = std::fread(bytes.data() + have, 1, bytes.size() - have, file.get())) > 0;) {
        have += got;
        if (have == bytes.size()) bytes.resize(bytes.size() * 2);
    }
    bytes.resize(have);
    if (std::ferror(file.get())) {
        if (error) *error = errno != 0 ? std::strerror(errno) : "read error";
        bytes.clear();
        return false;
    }
    return true;
}

}  // namespace gridtally
