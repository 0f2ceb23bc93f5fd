#include "core/parsers/RunParser.h"

#include <optional>
#include <string_view>

#include "core/model/Counter.h"
#include "core/model/GameState.h"
#include "core/model/PlayerRec.h"
#include "core/model/PlayerRoster.h"
#include "core/model/Sentences.h"
#include "core/parsers/PlayCredits.h"
#include "core/parsers/YardagePhraseTable.h"
#include "core/playcalls/PlayRec.h"
#include "core/text/FixedText.h"
#include "core/text/TextScan.h"

namespace gridtally {
namespace {

constexpr std::string_view kGivesTo = " gives to ";
constexpr std::string_view kKeeps = " keeps the ball";
constexpr std::string_view kFumbles = " fumbles the ball";
// The run phrase whose yards are told in the sentence after it.
constexpr std::size_t kDownsTheBall = 8;

// What the first sentence told of the carry.
struct Carry {
    PlayerRec* runner = nullptr;
    std::optional<std::string_view> yardageText;  // where the yards are told
    std::size_t next = 1;                         // the sentence after the carry
};

PlayerRec* PlayerAfterApostrophe(std::string_view sentence, std::size_t end, PlayerRoster& roster) {
    auto sided = ReferenceAfterApostrophe(sentence, end);
    return sided ? FindOrAddPlayer(sided->reference, sided->team, roster) : nullptr;
}

// "Otters's QB #7 Al Cole gives to HB #22 Dario Vance." The yards follow in the next
// sentence.
Carry ReadHandOff(const Sentences& sentences, std::size_t givesTo, const GameState& state,
                  PlayerRoster& roster) {
    std::string_view s1 = sentences[0];
    PlayerAfterApostrophe(s1, givesTo, roster);  // the hand-off is not credited
    return {FindOrAddPlayer(s1.substr(givesTo + kGivesTo.size()), state.offense, roster),
            sentences[1], 2};
}

Carry ReadKeeper(std::string_view s1, std::size_t keeps, PlayerRoster& roster) {
    return {PlayerAfterApostrophe(s1, keeps, roster), s1.substr(keeps), 1};
}

Carry ReadPlainCarry(const Sentences& sentences, const YardagePhraseTable::Match& match,
                     PlayerRoster& roster) {
    std::string_view s1 = sentences[0];
    PlayerRec* runner = PlayerAfterApostrophe(s1, match.position, roster);
    if (match.index == kDownsTheBall) return {runner, sentences[1], 2};
    return {runner, s1, 1};
}

Carry ReadCarry(const Sentences& sentences, const GameState& state, PlayerRoster& roster) {
    std::string_view s1 = sentences[0];
    if (std::size_t at = FindText(s1, kGivesTo); at != std::string_view::npos) {
        return ReadHandOff(sentences, at, state, roster);
    }
    if (std::size_t keeps = FindText(s1, kKeeps); keeps != std::string_view::npos) {
        return ReadKeeper(s1, keeps, roster);
    }
    if (auto match = YardagePhraseTable::Run().Find(s1)) {
        return ReadPlainCarry(sentences, *match, roster);
    }
    if (std::size_t fumbles = FindText(s1, kFumbles); fumbles != std::string_view::npos) {
        return {PlayerAfterApostrophe(s1, fumbles, roster), std::nullopt, 1};
    }
    return {};
}

void CreditCarry(const Carry& carry, PlayRec& play) {
    if (carry.runner) {
        Credit(play, carry.runner, &PlayerRec::rushAttempts, 1);
        play.ballHandler = carry.runner;
    }
    if (!carry.yardageText) return;
    if (auto match = YardagePhraseTable::Run().Find(*carry.yardageText)) {
        Credit(play, carry.runner, &PlayerRec::rushYards, match->yards);
        play.results.yards = match->yards;
    }
}

// A fumble told up to the sentence after the carry: its recovery and return. Returns the
// sentence that may tell the tackle.
std::size_t ReadFumble(const Sentences& sentences, const Carry& carry, PlayRec& play,
                       const GameState& state, PlayerRoster& roster) {
    std::size_t next = carry.next;
    if (!Contains(sentences.Through(next), " fumbles the ball.")) return next;
    Credit(play, carry.runner, &PlayerRec::fumbles, 1);
    play.results.fumbles = 1;
    Recovery recovery = FindRecoverer(sentences[next], state.offense, carry.runner, roster);
    if (!recovery.found) return next + 1;
    std::optional<std::int32_t> returned =
        CreditRecovery(recovery.player, sentences[next + 1], play);
    // The call keeps the yards gained up to a fumble the defense took; a return by the
    // offense adds to them. A recoverer not known is taken to be of the offense.
    bool lost = recovery.player && recovery.player->team != FixedText<32>::Fit(state.offense);
    if (returned && !lost) AddTo(play.results.yards, *returned);
    return next + 2;
}

}  // namespace

std::size_t ParseRun(const Sentences& sentences, PlayRec& play, const GameState& state,
                     PlayerRoster& roster) {
    Carry carry = ReadCarry(sentences, state, roster);
    CreditCarry(carry, play);
    std::size_t tackle = ReadFumble(sentences, carry, play, state, roster);
    if (Contains(sentences[tackle], "is tackled by ")) {
        CreditTackle(sentences[tackle], play, roster);
        return tackle + 1;
    }
    return tackle;
}

}  // namespace gridtally
