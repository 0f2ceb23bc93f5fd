#include "core/text/LogPaths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "core/text/TextScan.h"

namespace gridtally {

bool IsGameLogName(std::string_view name) {
    constexpr std::string_view kExtension = ".log";
    return name.size() >= kExtension.size() &&
           StartsWithNoCase(name.substr(name.size() - kExtension.size()), kExtension);
}

std::vector<LogPath> ExpandLogPaths(const std::vector<std::string>& paths) {
    std::vector<LogPath> files;
    for (const std::string& path : paths) {
        struct stat status {};
        if (stat(path.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
            files.push_back({path, {}});
            continue;
        }
        errno = 0;
        std::unique_ptr<DIR, int (*)(DIR*)> folder(opendir(path.c_str()), &closedir);
        if (!folder) {
            files.push_back({path, std::strerror(errno)});
            continue;
        }
        std::vector<std::string> names;
        for (errno = 0; const dirent* entry = readdir(folder.get()); errno = 0) {
            if (IsGameLogName(entry->d_name)) names.emplace_back(entry->d_name);
        }
        if (errno != 0) {  // a listing cut short would leave games out unsaid
            files.push_back({path, std::strerror(errno)});
            continue;
        }
        std::sort(names.begin(), names.end());  // std::string compares bytes unsigned
        const std::string prefix = path.ends_with('/') ? path : path + '/';
        for (const std::string& name : names) files.push_back({prefix + name, {}});
    }
    return files;
}

}  // namespace gridtally
