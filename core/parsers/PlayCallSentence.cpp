#include "core/parsers/PlayCallSentence.h"

#include <optional>
#include <string>

#include "core/model/Counter.h"
#include "core/parsers/PlayCredits.h"
#include "core/playcalls/PlayCallTable.h"
#include "core/playcalls/PlayRec.h"
#include "core/playcalls/PlayTrace.h"
#include "core/text/Diagnostics.h"
#include "core/text/FixedText.h"
#include "core/text/TextScan.h"

namespace gridtally {
namespace {

// The play name of "Name (n)": the text before " (", or else the first word.
std::optional<std::string_view> PlayName(std::string_view part) {
    std::size_t bracket = FindText(part, " (");
    if (bracket != std::string_view::npos) return part.substr(0, bracket);
    return ScanWord(part);
}

// The number of "Name (n)", or -1.
std::int32_t PlayNumber(std::string_view part) {
    std::size_t bracket = FindText(part, " (");
    if (bracket == std::string_view::npos) return -1;
    auto number = ScanInt(part.substr(bracket + 2));
    return number ? number->value : -1;
}

}  // namespace

int ReadPlayCallSentence(std::string_view sentence, PlayRec& play, PlayCallTable& table) {
    constexpr std::string_view kThatWas = "That was ";
    constexpr std::string_view kAgainst = " against ";
    std::size_t thatWas = FindText(sentence, kThatWas);
    if (thatWas == std::string_view::npos) return 0;

    std::string_view offensePart = sentence.substr(thatWas + kThatWas.size());
    std::size_t against = FindText(offensePart, kAgainst);
    std::optional<std::string_view> defensePart;
    if (against != std::string_view::npos) {
        defensePart = offensePart.substr(against + kAgainst.size());
        offensePart = offensePart.substr(0, against);
    }

    // Also without " against " the offense's call is named: filed under no name, every
    // such call of a season would merge into one row.
    bool failed = false;
    CallEntry entry;
    if (auto offensePlay = PlayName(offensePart)) {
        entry.offenseNumber = PlayNumber(offensePart);
        play.key.play = *offensePlay;
    } else {
        Report(play, DiagnosticStream::Out,
               "Error parsing Off Play: " + std::string(offensePart) + "\n");
        failed = true;
    }

    if (defensePart && !failed) {
        FixedText<64> defenseTeam;
        std::size_t possessive = FindText(*defensePart, "'s ");
        if (possessive != std::string_view::npos) {
            defenseTeam = defensePart->substr(0, possessive);
            defensePart = defensePart->substr(possessive + 3);
        }
        if (auto defensePlay = PlayName(*defensePart)) {
            if (defenseTeam.empty()) defenseTeam = play.state.defense;
            PlayCallKey defenseKey;
            defenseKey.team = defenseTeam;
            defenseKey.play = FixedText<64>::Fit(*defensePlay);
            defenseKey.kind = PlayKind::Defense;
            table.AddPlayResult(BuildKeyText(defenseKey), PlayKind::Defense, play);
            entry.hasDefense = true;
            entry.defenseTeam = defenseKey.team.str();
            entry.defensePlay = defenseKey.play.str();
            entry.defenseNumber = PlayNumber(*defensePart);
        } else {
            failed = true;
        }
    }

    AddTo(play.results.calls, 1);
    if (play.trace) ++play.trace->callSentences;
    if (play.trace && play.trace->record) {
        // As credited: adding it makes the play's results the call's summed ones.
        entry.kind = play.key.kind;
        entry.offenseTeam = play.key.team.str();
        entry.offensePlay = play.key.play.str();
        entry.results = play.results;
        play.trace->calls.push_back(std::move(entry));
    }
    table.AddPlayCall(play);
    return failed ? -1 : 0;
}

}  // namespace gridtally
