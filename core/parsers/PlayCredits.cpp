#include "core/parsers/PlayCredits.h"

#include <algorithm>
#include <string>

#include "core/model/Counter.h"
#include "core/model/GameState.h"
#include "core/model/PlayerRoster.h"
#include "core/parsers/YardagePhraseTable.h"
#include "core/playcalls/PlayRec.h"
#include "core/text/Diagnostics.h"
#include "core/text/TextScan.h"

namespace gridtally {

std::optional<SidedReference> ReferenceAfterApostrophe(std::string_view text, std::size_t end) {
    end = std::min(end, text.size());
    std::size_t apostrophe = text.find('\'');
    if (apostrophe == std::string_view::npos || apostrophe >= end) return std::nullopt;
    std::size_t start = std::min(apostrophe + 3, end);
    return SidedReference{text.substr(0, apostrophe), text.substr(start, end - start)};
}

std::optional<SidedReference> SplitAtPossessive(std::string_view text) {
    std::size_t at = FindText(text, "'s ");
    if (at == std::string_view::npos) return std::nullopt;
    return SidedReference{text.substr(0, at), text.substr(at + 3)};
}

void CreditTackle(std::string_view sentence, PlayRec& play, PlayerRoster& roster) {
    constexpr std::string_view kTackled = "is tackled by ";
    std::size_t at = FindText(sentence, kTackled);
    if (at == std::string_view::npos) return;
    std::string_view after = sentence.substr(at + kTackled.size());

    PlayerRec* tackler = nullptr;
    if (auto sided = SplitAtPossessive(after)) {
        tackler = FindOrAddPlayer(sided->reference, sided->team, roster);
    } else if (Contains(after, " #")) {
        tackler = FindOrAddPlayer(after, play.key.team, roster);
    }
    if (tackler) AddTo(tackler->tackles, 1);
}

void CreditTouchdown(std::string_view sentence, PlayRec& play, const GameState& state) {
    PlayerRec* scorer = play.ballHandler;
    if (scorer) {
        AddTo(scorer->touchdowns, 1);
    } else {
        ReportToStdout("Cannot find ball handler: " + std::string(sentence) + "\n");
    }

    PlayCallRec& results = play.results;
    switch (play.key.kind) {
        case PlayKind::Pass:
            if (play.passer && scorer) {
                if (play.passer->team == scorer->team) {
                    AddTo(play.passer->passTouchdowns, 1);
                    AddTo(scorer->receivingTouchdowns, 1);
                    AddTo(results.touchdowns, 1);
                } else {
                    AddTo(results.defTouchdowns, 1);  // returned interception
                }
            }
            break;
        case PlayKind::Run:
            AddTo(results.touchdowns, 1);
            if (scorer) AddTo(scorer->rushTouchdowns, 1);
            break;
        case PlayKind::Kick:
            if (scorer && state.kickKind == KickKind::Punt) AddTo(scorer->puntReturnTouchdowns, 1);
            if (scorer && state.kickKind == KickKind::Kickoff)
                AddTo(scorer->kickReturnTouchdowns, 1);
            break;
        default:
            break;
    }
    results.points = 6;
}

Recovery FindRecoverer(std::string_view sentence, std::string_view offense, PlayerRec* fallback,
                       PlayerRoster& roster) {
    constexpr std::string_view kRecovered = "ball is recovered by ";
    std::size_t at = FindText(sentence, kRecovered);
    if (at == std::string_view::npos) return {};
    std::string_view after = sentence.substr(at + kRecovered.size());

    if (auto sided = SplitAtPossessive(after)) {
        return {true, FindOrAddPlayer(sided->reference, sided->team, roster)};
    }
    if (Contains(after, " #")) return {true, FindOrAddPlayer(after, offense, roster)};
    return {true, fallback};
}

std::optional<std::int32_t> CreditRecovery(PlayerRec* recoverer, std::string_view returnText,
                                           PlayRec& play) {
    if (recoverer) {
        AddTo(recoverer->fumbleRecoveries, 1);
        play.ballHandler = recoverer;
    }
    auto match = YardagePhraseTable::Run().Find(returnText);
    if (!match) return std::nullopt;
    if (recoverer) AddTo(recoverer->rushYards, match->yards);
    return match->yards;
}

}  // namespace gridtally
