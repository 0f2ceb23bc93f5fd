#include "core/parsers/PlayCredits.h"

#include <algorithm>
#include <string>

#include "core/model/Counter.h"
#include "core/model/GameState.h"
#include "core/model/PlayerRoster.h"
#include "core/parsers/YardagePhraseTable.h"
#include "core/playcalls/PlayRec.h"
#include "core/playcalls/PlayTrace.h"
#include "core/text/Diagnostics.h"
#include "core/text/TextScan.h"

namespace gridtally {

namespace {

void Record(PlayRec& play, const PlayerRec* player, std::int32_t PlayerRec::*counter,
            std::int32_t delta) {
    if (!play.trace || !play.trace->record) return;
    for (std::size_t i = 0; i < kPlayerCounterFields.size(); ++i) {
        if (kPlayerCounterFields[i].member != counter) continue;
        play.trace->changes.push_back({player, static_cast<std::uint8_t>(i), delta});
        return;
    }
}

}  // namespace

void Credit(PlayRec& play, PlayerRec* player, std::int32_t PlayerRec::*counter,
            std::int32_t delta) {
    if (!player) return;
    AddTo(player->*counter, delta);
    Record(play, player, counter, delta);
}

void CreditFieldGoalDistance(PlayRec& play, PlayerRec* kicker, std::int32_t distance) {
    if (!kicker) return;
    kicker->longestFieldGoal = std::max(kicker->longestFieldGoal, distance);
    Record(play, kicker, &PlayerRec::longestFieldGoal, distance);
}

void Report(const PlayRec& play, DiagnosticStream stream, std::string_view message) {
    DiagnosticsSink& sink = play.trace ? *play.trace->diagnostics : StandardStreams();
    sink.Write(stream, message);
}

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
    Credit(play, tackler, &PlayerRec::tackles, 1);
}

namespace {

// The defense scored when the scorer's club is not the one whose call the play is: the
// passer's on a pass, else the offense's (the kicking side's on a kick), compared as a
// player's record holds his club. A play read without a situation names no offense and
// so cannot tell.
bool ScoredByDefense(const PlayRec& play, const PlayerRec& scorer) {
    if (play.key.kind == PlayKind::Pass) return play.passer && play.passer->team != scorer.team;
    if (play.key.team.empty()) return false;
    return scorer.team != decltype(PlayerRec::team)::Fit(play.key.team);
}

}  // namespace

void CreditTouchdown(std::string_view sentence, PlayRec& play, const GameState& state) {
    PlayerRec* scorer = play.ballHandler;
    play.touchdown = true;
    if (scorer) {
        Credit(play, scorer, &PlayerRec::touchdowns, 1);
    } else {
        Report(play, DiagnosticStream::Out,
               "Cannot find ball handler: " + std::string(sentence) + "\n");
    }

    // The call's touchdowns and points are its own side's; the defense's touchdown is
    // counted apart, so a pick-six or a returned fumble never adds to the offense's points.
    PlayCallRec& results = play.results;
    bool defense = scorer && ScoredByDefense(play, *scorer);
    if (defense) AddTo(results.defTouchdowns, 1);
    switch (play.key.kind) {
        case PlayKind::Pass:
            if (play.passer && scorer && !defense) {
                Credit(play, play.passer, &PlayerRec::passTouchdowns, 1);
                Credit(play, scorer, &PlayerRec::receivingTouchdowns, 1);
                AddTo(results.touchdowns, 1);
            }
            break;
        case PlayKind::Run:
            if (!defense) {
                AddTo(results.touchdowns, 1);
                Credit(play, scorer, &PlayerRec::rushTouchdowns, 1);
            }
            break;
        case PlayKind::Kick:
            if (scorer && state.kickKind == KickKind::Punt)
                Credit(play, scorer, &PlayerRec::puntReturnTouchdowns, 1);
            if (scorer && state.kickKind == KickKind::Kickoff)
                Credit(play, scorer, &PlayerRec::kickReturnTouchdowns, 1);
            break;
        default:
            break;
    }
    if (!defense) results.points = 6;
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
    play.recoverer = recoverer;
    if (recoverer) {
        Credit(play, recoverer, &PlayerRec::fumbleRecoveries, 1);
        play.ballHandler = recoverer;
    }
    auto match = YardagePhraseTable::Run().Find(returnText);
    if (!match) return std::nullopt;
    Credit(play, recoverer, &PlayerRec::rushYards, match->yards);
    return match->yards;
}

}  // namespace gridtally
