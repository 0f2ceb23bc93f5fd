#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/game/GameLog.h"

namespace gridtally {

// Where a command writes: text on `out` as UTF-8, messages on `err`. Aligned columns,
// progress and readable parser messages are for a person at a terminal; a pipe gets
// the same bytes whatever runs it.
struct Streams {
    std::ostream& out;
    std::ostream& err;
    bool outIsTerminal = false;
    bool errIsTerminal = false;
};

inline constexpr std::string_view kProgram = "gridtally-cli: ";

// Exit statuses.
inline constexpr int kDone = 0;
inline constexpr int kFileFailed = 1;  // not read or written, or not what it should be
inline constexpr int kUsage = 2;

// Every message of the commands goes through here: one line on `err`, the program's
// name and then the parts in turn. Returns `status`, the exit status the message means.
template <typename... Parts>
int Report(std::ostream& err, int status, const Parts&... parts) {
    ((err << kProgram) << ... << parts) << '\n';
    return status;
}

// A warning, which leaves the exit status as it is.
template <typename... Parts>
void Warn(std::ostream& err, const Parts&... parts) {
    Report(err, kDone, "warning: ", parts...);
}

// "a, b, c": names in a message.
std::string Listed(const std::vector<std::string>& names);

// Reads a whole file, or says on `err` which file could not be read and why. Messages
// name files as FileNameText shows them.
bool ReadInputFile(const std::string& path, std::string& bytes, std::ostream& err);
// "cannot read FILE: REASON" on `err`.
void ReportUnreadable(const std::string& path, std::string_view reason, std::ostream& err);

// "FILE: not a game log (...)" on `err`.
void ReportNotAGameLog(const std::string& path, std::ostream& err,
                       std::string_view reason = kNotAGameLog);

// A command-line argument that names a club, as the Latin-1 bytes of the names in logs
// and DBs; nothing, after a message naming the argument `what`, when it has none.
std::optional<std::string> ClubArgument(std::string_view what, std::string_view utf8,
                                        std::ostream& err);

// The club of `clubs` a name given (Latin-1) means, as ClubsNamed finds it; nothing,
// after "no club named ..." or "... names several clubs" with the clubs on `err`, when
// it means none or several (exit status 2).
std::optional<std::string> ResolveClub(std::string_view given,
                                       const std::vector<std::string>& clubs, std::ostream& err);

}  // namespace gridtally
