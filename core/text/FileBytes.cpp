#include "text/FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace gridtally {

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error) {
    bytes.clear();
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        error = std::strerror(errno);
        return false;
    }
    char buffer[1 << 16];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, got);
    }
    if (std::ferror(file.get())) {
        error = errno != 0 ? std::strerror(errno) : "read error";
        bytes.clear();
        return false;
    }
    return true;
}

}  // namespace gridtally
