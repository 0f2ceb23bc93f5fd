#include "cli/CommandIo.h"

#include <ostream>

#include "core/playdb/PlayDB.h"
#include "core/text/ClubNames.h"
#include "core/text/FileBytes.h"
#include "core/text/Latin1.h"

namespace gridtally {
std::string Listed(const std::vector<std::string>& names) {
    std::string listed;
    for (const std::string& name : names) listed += (listed.empty() ? "" : ", ") + name;
    return listed;
}

bool ReadInputFile(const std::string& path, std::string& bytes, std::ostream& err) {
    std::string error;
    if (ReadFileBytes(path, bytes, &error)) return true;
    ReportUnreadable(path, error, err);
    return false;
}

void ReportUnreadable(const std::string& path, std::string_view reason, std::ostream& err) {
    Report(err, kFileFailed, "cannot read ", FileNameText(path), ": ", reason);
}

void ReportNotAGameLog(const std::string& path, std::ostream& err, std::string_view reason) {
    Report(err, kFileFailed, FileNameText(path), ": ", reason);
}

std::optional<std::string> ClubArgument(std::string_view what, std::string_view utf8,
                                        std::ostream& err) {
    Failure failure;
    std::optional<std::string> latin1 = Latin1Argument(what, utf8, &failure);
    if (!latin1) Report(err, kUsage, failure.reason);
    return latin1;
}

std::optional<std::string> ResolveClub(std::string_view given,
                                       const std::vector<std::string>& clubs, std::ostream& err) {
    std::vector<std::string> named = ClubsNamed(given, clubs);
    if (named.size() == 1) return named.front();
    std::vector<std::string> listed;
    for (const std::string& club : named.empty() ? clubs : named) {
        listed.push_back(Latin1ToUtf8(club));
    }
    if (named.empty()) {
        Report(err, kUsage, "no club named \"", Latin1ToUtf8(given),
               "\"; the clubs are: ", Listed(listed));
    } else {
        Report(err, kUsage, '"', Latin1ToUtf8(given), "\" names several clubs: ", Listed(listed));
    }
    return std::nullopt;
}

}  // namespace gridtally
