#include "cli/CommandIo.h"

#include <ostream>

#include "core/playdb/PlayDB.h"
#include "core/text/ClubNames.h"
#include "core/text/FileBytes.h"
#include "core/text/Latin1.h"
#include "core/text/Printf.h"

namespace gridtally {
namespace {

// The argument as typed, but with every byte that is no UTF-8 as \xHH, so that the
// message itself stays readable text.
std::string Shown(std::string_view utf8) {
    std::string shown;
    for (std::size_t i = 0; i < utf8.size();) {
        std::optional<Utf8Char> c = DecodeUtf8(utf8, i);
        if (c) {
            shown.append(utf8.substr(i, c->length));
            i += c->length;
        } else {
            shown += Printf("\\x%02X", static_cast<unsigned char>(utf8[i++]));
        }
    }
    return shown;
}

}  // namespace

bool ReadInputFile(const std::string& path, std::string& bytes, std::ostream& err) {
    std::string error;
    if (ReadFileBytes(path, bytes, &error)) return true;
    ReportUnreadable(path, error, err);
    return false;
}

void ReportUnreadable(const std::string& path, std::string_view reason, std::ostream& err) {
    err << kProgram << "cannot read " << FileNameText(path) << ": " << reason << '\n';
}

void ReportNotAGameLog(const std::string& path, std::ostream& err, std::string_view reason) {
    err << kProgram << FileNameText(path) << ": " << reason << '\n';
}

std::optional<std::string> ClubArgument(std::string_view what, std::string_view utf8,
                                        std::ostream& err) {
    std::string why;
    std::optional<std::string> latin1 = Utf8ToLatin1(utf8, &why);
    if (!latin1) err << kProgram << what << ": \"" << Shown(utf8) << "\" " << why << '\n';
    return latin1;
}

std::optional<std::string> ResolveClub(std::string_view given,
                                       const std::vector<std::string>& clubs, std::ostream& err) {
    std::vector<std::string> named = ClubsNamed(given, clubs);
    if (named.size() == 1) return named.front();
    const std::vector<std::string>& listed = named.empty() ? clubs : named;
    err << kProgram;
    if (named.empty()) {
        err << "no club named \"" << Latin1ToUtf8(given) << "\"; the clubs are: ";
    } else {
        err << '"' << Latin1ToUtf8(given) << "\" names several clubs: ";
    }
    for (std::size_t i = 0; i < listed.size(); ++i) {
        err << (i > 0 ? ", " : "") << Latin1ToUtf8(listed[i]);
    }
    err << '\n';
    return std::nullopt;
}

}  // namespace gridtally
