#include "core/parsers/PassParser.h"

#include <algorithm>
#include <array>
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

enum class PassOutcome { Caught, Incomplete, KnockedDown, Intercepted };

struct OutcomePhrase {
    std::string_view text;
    PassOutcome outcome;
};

constexpr std::array<OutcomePhrase, 4> kOutcomes{{
    {" is caught by ", PassOutcome::Caught},
    {" was incomplete", PassOutcome::Incomplete},
    {" was knocked down by ", PassOutcome::KnockedDown},
    {" is intercepted by ", PassOutcome::Intercepted},
}};

void CreditCatch(std::string_view afterPhrase, PlayerRec* passer, PlayRec& play,
                 const GameState& state, PlayerRoster& roster) {
    AddTo(play.results.completions, 1);
    auto match = YardagePhraseTable::Pass().Find(afterPhrase);
    if (!match) return;
    PlayerRec* receiver =
        FindOrAddPlayer(afterPhrase.substr(0, match->position), state.offense, roster);
    if (receiver) {
        Credit(play, receiver, &PlayerRec::receptions, 1);
        Credit(play, receiver, &PlayerRec::receivingYards, match->yards);
        play.ballHandler = receiver;
    }
    if (passer) {
        Credit(play, passer, &PlayerRec::completions, 1);
        Credit(play, passer, &PlayerRec::passYards, match->yards);
    }
    play.results.yards = match->yards;
}

void CreditInterception(std::string_view afterPhrase, PlayerRec* passer, PlayRec& play,
                        PlayerRoster& roster) {
    constexpr std::string_view kReturned = " and returned ";
    AddTo(play.results.interceptions, 1);
    Credit(play, passer, &PlayerRec::interceptionsThrown, 1);

    auto sided = SplitAtPossessive(afterPhrase);
    if (!sided) return;
    std::size_t returned = FindText(sided->reference, kReturned);
    PlayerRec* defender =
        FindOrAddPlayer(sided->reference.substr(0, returned), sided->team, roster);
    if (defender) {
        Credit(play, defender, &PlayerRec::interceptions, 1);
        play.ballHandler = defender;
    }
    if (returned == std::string_view::npos) return;
    auto match = YardagePhraseTable::Pass().Find(sided->reference.substr(returned));
    if (match && defender) Credit(play, defender, &PlayerRec::interceptionYards, match->yards);
}

}  // namespace

void ParsePass(const Sentences& sentences, PlayRec& play, GameState& state, PlayerRoster& roster) {
    constexpr std::string_view kPassFrom = "The pass from ";
    std::string_view s1 = sentences[0];
    std::size_t from = FindText(s1, kPassFrom);
    if (from == std::string_view::npos) return;
    std::string_view passerText = s1.substr(from + kPassFrom.size());
    if (std::size_t apostrophe = passerText.find('\''); apostrophe != std::string_view::npos) {
        state.offense = passerText.substr(0, apostrophe);
        passerText = passerText.substr(std::min(apostrophe + 3, passerText.size()));
    }

    const OutcomePhrase* outcome = nullptr;
    std::size_t at = std::string_view::npos;
    for (const OutcomePhrase& phrase : kOutcomes) {
        at = FindText(passerText, phrase.text);
        if (at != std::string_view::npos) {
            outcome = &phrase;
            break;
        }
    }
    if (!outcome) return;

    PlayerRec* passer = FindOrAddPlayer(passerText.substr(0, at), state.offense, roster);
    if (passer) {
        Credit(play, passer, &PlayerRec::passAttempts, 1);
        play.ballHandler = passer;
        play.passer = passer;
    }

    std::string_view afterPhrase = passerText.substr(at + outcome->text.size());
    switch (outcome->outcome) {
        case PassOutcome::Caught:
            CreditCatch(afterPhrase, passer, play, state, roster);
            break;
        case PassOutcome::Incomplete:
            break;
        case PassOutcome::KnockedDown:
            if (auto sided = SplitAtPossessive(afterPhrase)) {
                if (PlayerRec* defender = FindOrAddPlayer(sided->reference, sided->team, roster)) {
                    Credit(play, defender, &PlayerRec::knockdowns, 1);
                }
            }
            break;
        case PassOutcome::Intercepted:
            CreditInterception(afterPhrase, passer, play, roster);
            break;
    }

    CreditTackle(sentences[1], play, roster);
}

void ParseSack(const Sentences& sentences, PlayRec& play, PlayerRoster& roster) {
    constexpr std::string_view kSacked = " is sacked by ";
    constexpr std::string_view kForA = " for a ";
    std::string_view s1 = sentences[0];
    std::size_t sacked = FindText(s1, kSacked);

    if (sacked != std::string_view::npos) {
        play.key.kind = PlayKind::Pass;
        if (auto sided = ReferenceAfterApostrophe(s1, sacked)) {
            if (PlayerRec* passer = FindOrAddPlayer(sided->reference, sided->team, roster)) {
                Credit(play, passer, &PlayerRec::sacks, 1);
                play.passer = passer;  // for the play's record; a sack credits no touchdown
            }
        }
        std::string_view after = s1.substr(sacked + kSacked.size());
        std::size_t forA = FindText(after, kForA);
        auto sided =
            forA != std::string_view::npos ? ReferenceAfterApostrophe(after, forA) : std::nullopt;
        if (sided) {
            if (PlayerRec* sacker = FindOrAddPlayer(sided->reference, sided->team, roster)) {
                Credit(play, sacker, &PlayerRec::sacks, 1);
            }
        }
    }
    AddTo(play.results.sacks, 1);
}

}  // namespace gridtally
