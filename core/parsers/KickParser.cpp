#include "core/parsers/KickParser.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/model/Counter.h"
#include "core/model/GameState.h"
#include "core/model/PlayerRoster.h"
#include "core/model/Sentences.h"
#include "core/parsers/PlayCredits.h"
#include "core/parsers/YardagePhraseTable.h"
#include "core/playcalls/PlayRec.h"
#include "core/text/TextScan.h"

namespace gridtally {
namespace {

constexpr std::string_view kKicksOffTo = " kicks off to ";
constexpr std::string_view kPunts = " punts ";
constexpr std::string_view kPuntIsBlocked = " punt is blocked";

// What the kick sentence told.
struct Kick {
    KickKind kind = KickKind::None;
    PlayerRec* kicker = nullptr;
    PlayerRec* returner = nullptr;  // the blocker of a blocked punt
    std::int32_t puntDistance = 0;
    bool grossRead = false;  // the kick sentence told the punt's distance
    std::int32_t fieldGoalDistance = 0;
    bool touchback = false;
};

std::int32_t YardsAfter(std::string_view text, std::string_view phrase) {
    std::size_t at = FindText(text, phrase);
    if (at == std::string_view::npos) return 0;
    auto number = ScanInt(text.substr(at + phrase.size()));
    return number ? number->value : 0;
}

// A sentence of the kick past the first, read only when a mark ends it.
std::string_view Readable(const Sentences& sentences, std::size_t index) {
    return sentences.Ended(index) ? sentences[index] : std::string_view{};
}

// The returner's part of a kick sentence: "Rams's CB #35 Ike Jensen". Without an
// apostrophe there is no returner to read.
bool ReadReturner(std::string_view returnerPart, Kick& kick, PlayRec& play, PlayerRoster& roster) {
    std::size_t apostrophe = returnerPart.find('\'');
    if (apostrophe == std::string_view::npos) return false;
    std::string_view team = returnerPart.substr(0, apostrophe);
    kick.returner = FindOrAddPlayer(
        returnerPart.substr(std::min(apostrophe + 3, returnerPart.size())), team, roster);
    // He has the ball whatever the next sentence says, so a touchdown is his.
    if (kick.returner) play.ballHandler = kick.returner;
    return true;
}

// "... punts 45 yards to RETURNER", "... punts the ball past the goal line", "... punts
// the ball out of bounds": the text after " punts ".
bool ReadPuntSentence(std::string_view afterPunts, Kick& kick, PlayRec& play,
                      PlayerRoster& roster) {
    kick.kind = KickKind::Punt;
    bool outOfBounds = false;
    if (auto distance = ScanInt(afterPunts)) {
        kick.puntDistance = distance->value;
        kick.grossRead = true;
        Credit(play, kick.kicker, &PlayerRec::puntGrossYards, kick.puntDistance);
    } else if (StartsWithNoCase(afterPunts, "the ball past the goal line")) {
        kick.touchback = true;
        Credit(play, kick.kicker, &PlayerRec::puntTouchbacks, 1);
    } else if (Contains(afterPunts, "the ball out of bounds")) {
        outOfBounds = true;
    }
    play.results.yards = kick.puntDistance;
    if (kick.touchback) return true;
    if (outOfBounds) {
        ReadReturner(afterPunts, kick, play, roster);  // there may be none to read
        return true;
    }

    // A punt whose distance was read counts as a punt even when no returner can be
    // read ("punts 45 yards."): its gross yards are already the kicker's.
    constexpr std::string_view kYardsTo = " yards to ";
    std::size_t to = FindText(afterPunts, kYardsTo);
    bool returner = to != std::string_view::npos &&
                    ReadReturner(afterPunts.substr(to + kYardsTo.size()), kick, play, roster);
    return returner || kick.grossRead;
}

// "... punt is blocked by Rams's DE #93 Tyrone Evans": the blocker takes the returner's
// place for the sentences that follow.
void ReadBlockedPunt(std::string_view afterBlocked, Kick& kick, PlayRec& play,
                     PlayerRoster& roster) {
    kick.kind = KickKind::Punt;
    if (afterBlocked.find('\'') == std::string_view::npos) return;
    if (auto blocker = SplitAtPossessive(afterBlocked)) {
        kick.returner = FindOrAddPlayer(blocker->reference, blocker->team, roster);
    }
    Credit(play, kick.returner, &PlayerRec::kicksBlocked, 1);
    Credit(play, kick.kicker, &PlayerRec::puntsBlocked, 1);
}

bool ReadKickoffOrPunt(std::string_view s1, std::string_view kickingSide, Kick& kick, PlayRec& play,
                       PlayerRoster& roster) {
    constexpr std::string_view kBlockedBy = "punt is blocked by ";
    std::size_t phrase = FindText(s1, kKicksOffTo);
    if (phrase == std::string_view::npos) phrase = FindText(s1, kPunts);
    if (phrase == std::string_view::npos) phrase = FindText(s1, kPuntIsBlocked);

    auto kicker = ReferenceAfterApostrophe(s1, phrase);
    if (!kicker) return false;
    // "Otters's P #4 Gus Lind's punt is blocked": the name ends at its own "'s".
    std::string_view reference = kicker->reference.substr(0, FindText(kicker->reference, "'s"));
    kick.kicker = FindOrAddPlayer(reference, kickingSide, roster);

    std::string_view fromPhrase = s1.substr(phrase);
    if (std::size_t punts = FindText(fromPhrase, kPunts); punts != std::string_view::npos) {
        return ReadPuntSentence(fromPhrase.substr(punts + kPunts.size()), kick, play, roster);
    }
    if (std::size_t blocked = FindText(fromPhrase, kBlockedBy); blocked != std::string_view::npos) {
        ReadBlockedPunt(fromPhrase.substr(blocked + kBlockedBy.size()), kick, play, roster);
        return true;
    }
    if (std::size_t kicksOff = FindText(fromPhrase, kKicksOffTo);
        kicksOff != std::string_view::npos) {
        kick.kind = KickKind::Kickoff;
        return ReadReturner(fromPhrase.substr(kicksOff + kKicksOffTo.size()), kick, play, roster);
    }
    return true;
}

void CoverageTackle(std::string_view sentence, GameState& state, PlayerRoster& roster) {
    constexpr std::string_view kTackled = "is tackled by ";
    std::size_t at = FindText(sentence, kTackled);
    if (at == std::string_view::npos) return;
    std::string_view reference = sentence.substr(at + kTackled.size());
    if (auto sided = SplitAtPossessive(reference)) {
        state.defense = sided->team;
        reference = sided->reference;
    }
    FindOrAddPlayer(reference, state.defense, roster);  // met, but credited nothing
}

void SwapSides(GameState& state) { std::swap(state.offense, state.defense); }

// The returner of a kick-off or punt: one return (with `gained` yards when the counter
// is given) and the ball.
void CreditReturn(PlayerRec* returner, std::int32_t PlayerRec::*returns,
                  std::int32_t PlayerRec::*yards, std::int32_t gained, PlayRec& play) {
    if (!returner) return;
    Credit(play, returner, returns, 1);
    if (yards) Credit(play, returner, yards, gained);
    play.ballHandler = returner;
}

void ReadKickoff(const Sentences& sentences, Kick& kick, PlayRec& play, GameState& state,
                 PlayerRoster& roster) {
    Credit(play, kick.kicker, &PlayerRec::kickoffs, 1);
    std::string_view s2 = Readable(sentences, 1);
    PlayerRec* returner = kick.returner;
    if (Contains(s2, "returns the kick for ")) {
        CreditReturn(returner, &PlayerRec::kickReturns, &PlayerRec::kickReturnYards,
                     YardsAfter(s2, "returns the kick for "), play);
    } else if (Contains(s2, "downs the ball in the end zone")) {
        CreditReturn(returner, &PlayerRec::kickReturns, nullptr, 0, play);
        Credit(play, kick.kicker, &PlayerRec::kickoffTouchbacks, 1);
    }
    if (sentences.Ended(2)) {
        SwapSides(state);
        CoverageTackle(sentences[2], state, roster);
    }
}

// "The ball is recovered by ..." after a punt: the club written before "'s " recovers,
// or else the kicking side.
bool ReadPuntRecovery(const Sentences& sentences, std::string_view s2, Kick& kick, PlayRec& play,
                      std::string_view kickingSide, PlayerRoster& roster) {
    constexpr std::string_view kRecovered = "recovered by ";
    std::string_view after = s2.substr(FindText(s2, kRecovered) + kRecovered.size());

    PlayerRec* recoverer = nullptr;
    if (auto sided = SplitAtPossessive(after)) {
        recoverer = FindOrAddPlayer(sided->reference, sided->team, roster);
    } else if (std::size_t apostrophe = after.find('\''); apostrophe != std::string_view::npos) {
        recoverer = FindOrAddPlayer(after.substr(std::min(apostrophe + 3, after.size())),
                                    kickingSide, roster);
    } else {
        std::size_t stop = after.find('.');
        if (stop == std::string_view::npos) return false;
        std::string_view name = after.substr(0, stop);
        if (kick.kicker && Contains(kick.kicker->name, name)) {
            recoverer = kick.kicker;
        } else if (kick.returner && Contains(kick.returner->name, name)) {
            recoverer = kick.returner;
        } else if (Contains(name, " #")) {
            recoverer = FindOrAddPlayer(name, kickingSide, roster);
        } else {
            recoverer = kick.kicker;
        }
    }
    if (auto returned = CreditRecovery(recoverer, sentences.From(2), play)) {
        play.results.yards = *returned;
    }
    return true;
}

int ReadPunt(const Sentences& sentences, Kick& kick, PlayRec& play, GameState& state,
             std::string_view kickingSide, PlayerRoster& roster) {
    constexpr std::string_view kNetYardage = "Net punt yardage was ";
    PlayerRec* kicker = kick.kicker;
    PlayerRec* returner = kick.returner;
    Credit(play, kicker, &PlayerRec::punts, 1);

    std::string_view s2 = Readable(sentences, 1);
    bool fairCatch = false;
    bool recovery = false;
    if (Contains(s2, "returns the kick for ")) {
        CreditReturn(returner, &PlayerRec::puntReturns, &PlayerRec::puntReturnYards,
                     YardsAfter(s2, "returns the kick for "), play);
    } else if (Contains(s2, "downs the ball in the end zone")) {
        CreditReturn(returner, &PlayerRec::puntReturns, nullptr, 0, play);
        if (kicker && !kick.touchback) Credit(play, kicker, &PlayerRec::puntTouchbacks, 1);
    } else if (Contains(s2, "calls for the fair catch")) {
        fairCatch = true;
        CreditReturn(returner, &PlayerRec::puntReturns, nullptr, 0, play);
    } else if (Contains(s2, "ball is down in the end zone")) {
        // "punts the ball past the goal line" already counted this punt's touchback.
        if (kicker && !kick.touchback) Credit(play, kicker, &PlayerRec::puntTouchbacks, 1);
        kick.touchback = true;
    } else if (Contains(s2, "recovered by ")) {
        if (!ReadPuntRecovery(sentences, s2, kick, play, kickingSide, roster)) return -1;
        recovery = true;
    }

    bool netRead = false;
    if (Contains(s2, kNetYardage)) {
        netRead = true;
        std::int32_t net = YardsAfter(s2, kNetYardage);
        if (kicker) {
            Credit(play, kicker, &PlayerRec::puntNetYards, net);
            // Only a punt whose kick sentence gave no distance ("The ball is downed")
            // takes its gross from the net.
            if (!kick.grossRead) Credit(play, kicker, &PlayerRec::puntGrossYards, net);
        }
        play.results.yards = net;
    }

    if (recovery || netRead) return 0;
    std::string_view s3 = Readable(sentences, 2);
    if (Contains(s3, kNetYardage)) {
        std::int32_t net = YardsAfter(s3, kNetYardage);
        if (kicker) {
            Credit(play, kicker, &PlayerRec::puntNetYards, net);
            // A touchback is brought out to the 20. Added apart: net may be the largest
            // value a counter holds, and the sum wraps as every counter does.
            if (kick.touchback) {
                Credit(play, kicker, &PlayerRec::puntGrossYards, net);
                Credit(play, kicker, &PlayerRec::puntGrossYards, 20);
            }
        }
        play.results.yards = net;
    } else if (fairCatch && kicker) {
        // A fair catch nets the whole punt, also when the play-call sentence follows it
        // directly.
        Credit(play, kicker, &PlayerRec::puntNetYards, kick.puntDistance);
    }
    if (sentences.Ended(3)) {
        SwapSides(state);
        CoverageTackle(sentences[3], state, roster);
    }
    return 0;
}

void ReadPlaceKick(const Sentences& sentences, Kick& kick, PlayRec& play, const GameState& state,
                   PlayerRoster& roster) {
    PlayerRec* kicker = kick.kicker;
    std::string_view s2 = Readable(sentences, 1);
    if (Contains(s2, "kick is good.")) {
        if (kick.kind == KickKind::FieldGoal) {
            if (kicker) {
                Credit(play, kicker, &PlayerRec::fieldGoalsMade, 1);
                CreditFieldGoalDistance(play, kicker, kick.fieldGoalDistance);
            }
            play.results.points = 3;
        } else {
            Credit(play, kicker, &PlayerRec::extraPointsMade, 1);
            play.results.points = 1;
        }
        return;
    }

    constexpr std::string_view kBlockedBy = "is blocked by ";
    std::size_t blocked = FindText(s2, kBlockedBy);
    if (blocked == std::string_view::npos) return;  // missed
    std::string_view after = s2.substr(blocked + kBlockedBy.size());
    if (after.find('\'') != std::string_view::npos) {
        if (auto sided = SplitAtPossessive(after)) {
            if (PlayerRec* blocker = FindOrAddPlayer(sided->reference, sided->team, roster)) {
                Credit(play, blocker, &PlayerRec::kicksBlocked, 1);
            }
        }
    }
    if (kicker)
        Credit(play, kicker,
               kick.kind == KickKind::FieldGoal ? &PlayerRec::fieldGoalsBlocked
                                                : &PlayerRec::extraPointsBlocked,
               1);

    Recovery recovery = FindRecoverer(Readable(sentences, 2), state.offense, kicker, roster);
    if (!recovery.found) return;
    if (auto returned = CreditRecovery(recovery.player, Readable(sentences, 3), play)) {
        play.results.yards = *returned;
    }
}

}  // namespace

int ParseKick(const Sentences& sentences, PlayRec& play, GameState& state, PlayerRoster& roster) {
    constexpr std::string_view kAttemptsA = " attempts a ";
    constexpr std::string_view kExtra = " kicks for the extra ";
    std::string_view s1 = sentences[0];
    // The side that kicks, as the statement began.
    std::string_view kickingSide = play.state.offense;
    Kick kick;

    if (Contains(s1, kKicksOffTo) || Contains(s1, kPunts) || Contains(s1, kPuntIsBlocked)) {
        if (!ReadKickoffOrPunt(s1, kickingSide, kick, play, roster)) return -1;
    } else if (Contains(s1, kAttemptsA) || Contains(s1, kExtra)) {
        std::size_t phrase = FindText(s1, kAttemptsA);
        if (phrase == std::string_view::npos) phrase = FindText(s1, kExtra);
        auto sided = ReferenceAfterApostrophe(s1, phrase);
        kick.kicker = sided ? FindOrAddPlayer(sided->reference, kickingSide, roster) : nullptr;
        if (kick.kicker) {
            if (Contains(s1, "extra point")) {
                kick.kind = KickKind::ExtraPoint;
                Credit(play, kick.kicker, &PlayerRec::extraPointAttempts, 1);
            } else {
                std::size_t attempts = FindText(s1, kAttemptsA);
                std::optional<ScannedInt> distance;
                if (attempts != std::string_view::npos) {
                    distance = ScanInt(s1.substr(attempts + kAttemptsA.size()));
                }
                if (!distance) return -1;
                kick.kind = KickKind::FieldGoal;
                kick.fieldGoalDistance = distance->value;
                Credit(play, kick.kicker, &PlayerRec::fieldGoalAttempts, 1);
            }
        }
    } else if (Contains(s1, " ball is downed ")) {
        kick.kind = KickKind::Punt;
        kick.kicker = FindPlayerByPosition(roster, kickingSide, "P1");
    }

    state.kickKind = kick.kind;
    switch (kick.kind) {
        case KickKind::Kickoff:
            ReadKickoff(sentences, kick, play, state, roster);
            return 0;
        case KickKind::Punt:
            return ReadPunt(sentences, kick, play, state, kickingSide, roster);
        case KickKind::FieldGoal:
        case KickKind::ExtraPoint:
            ReadPlaceKick(sentences, kick, play, state, roster);
            return 0;
        default:
            return 0;
    }
}

}  // namespace gridtally
