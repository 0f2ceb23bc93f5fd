#include "core/parsers/PlayParser.h"

#include <array>

#include "core/model/GameState.h"
#include "core/model/PlayerRoster.h"
#include "core/model/Sentences.h"
#include "core/model/Statement.h"
#include "core/parsers/KickParser.h"
#include "core/parsers/PassParser.h"
#include "core/parsers/PlayCallSentence.h"
#include "core/parsers/PlayCredits.h"
#include "core/parsers/RunParser.h"
#include "core/playcalls/PlayCallTable.h"
#include "core/playcalls/PlayRec.h"
#include "core/text/PhraseSet.h"
#include "core/text/TextScan.h"

namespace gridtally {
namespace {

// What the sentences after the play itself tell: downs and injuries are skipped, then
// touchdowns, safeties and the play calls.
enum FollowingPhrase : std::size_t {
    kFirst,
    kSecond,
    kThird,
    kFourth,
    kInjured,
    kTouchdown,
    kSafety,
    kThatWas
};
const PhraseSet& FollowingPhrases() {
    static const PhraseSet set{"First ",       "Second ",     "Third ",   "Fourth ",
                               " is injured ", "Touchdown, ", "Safety, ", "That was "};
    return set;
}

void ReadFollowingSentences(const Sentences& sentences, std::size_t first, PlayRec& play,
                            const GameState& state, PlayCallTable& table) {
    constexpr std::uint32_t kSkipped =
        1u << kFirst | 1u << kSecond | 1u << kThird | 1u << kFourth | 1u << kInjured;
    for (std::size_t i = first; i < sentences.size(); ++i) {
        std::string_view sentence = sentences[i];
        PhraseSet::Hits hits = FollowingPhrases().Scan(sentence);
        if (hits.found & kSkipped) continue;
        if (hits.Has(kTouchdown)) {
            CreditTouchdown(sentence, play, state);
        } else if (hits.Has(kSafety)) {
            play.results.safeties = 1;
        } else if (hits.Has(kThatWas)) {
            ReadPlayCallSentence(sentence, play, table);
        }
    }
}

// The phrases of a play's first sentence that tell what kind of play it is, in groups
// tried in this order.
enum FirstPhrase : std::size_t {
    kKicksOffTo,
    kPunts,
    kPuntIsBlocked,
    kAttemptsA,
    kBallIsDowned,
    kKicksForExtraPoint,
    kGivesTo,
    kRunsFor,
    kKeepsTheBall,
    kFumblesTheBall,
    kThePassFrom,
    kIsSackedBy,
    kGoesOutOfBounds,
    kGoesOutOfBound,
    kDownsTheBall
};
const PhraseSet& FirstSentencePhrases() {
    static const PhraseSet set{"kicks off to",       " punts ",
                               " punt is blocked",   "attempts a ",
                               "The ball is downed", "kicks for the extra point",
                               "gives to ",          "runs for ",
                               "keeps the ball",     "fumbles the ball",
                               "The pass from",      "is sacked by ",
                               "goes out of bounds", "goes out of bound",
                               "downs the ball"};
    return set;
}

void ReadKickFrom(const Sentences& sentences, std::size_t first, PlayRec& play, GameState& state,
                  PlayerRoster& roster) {
    play.key.kind = PlayKind::Kick;
    ParseKick(first == 0 ? sentences : Sentences(sentences.From(first)), play, state, roster);
}

}  // namespace

PlayKind ParsePlayStatement(std::string_view statement, GameState& state, PlayCallTable& table,
                            PlayerRoster& roster, PlayRec& play) {
    PlayTrace* trace = play.trace;
    play = PlayRec{};
    play.trace = trace;
    play.key.team = state.offense;
    play.state = state;
    if (Contains(statement, "called back")) return PlayKind::CalledBack;

    if (statement.find(SentenceMark) == std::string_view::npos) return PlayKind::None;
    Sentences sentences(statement);
    std::string_view s1 = sentences[0];
    std::size_t following = 1;

    constexpr std::uint32_t kKick = 1u << kKicksOffTo | 1u << kPunts | 1u << kPuntIsBlocked |
                                    1u << kAttemptsA | 1u << kBallIsDowned |
                                    1u << kKicksForExtraPoint;
    constexpr std::uint32_t kRun =
        1u << kGivesTo | 1u << kRunsFor | 1u << kKeepsTheBall | 1u << kFumblesTheBall;
    PhraseSet::Hits hits = FirstSentencePhrases().Scan(s1);
    if (hits.found & kKick) {
        ReadKickFrom(sentences, hits.Has(kGoesOutOfBound) ? 1 : 0, play, state, roster);
    } else if (hits.found & kRun) {
        play.key.kind = PlayKind::Run;
        following = ParseRun(sentences, play, state, roster);
    } else if (hits.Has(kThePassFrom)) {
        play.key.kind = PlayKind::Pass;
        ParsePass(sentences, play, state, roster);
    } else if (hits.Has(kIsSackedBy)) {
        ParseSack(sentences, play, roster);
    } else if (hits.Has(kGoesOutOfBounds)) {
        // "The kickoff goes out of bounds." opens a kick told in the next sentence. Tested
        // after runs and passes so that a carrier who goes out of bounds stays a run.
        ReadKickFrom(sentences, 1, play, state, roster);
    } else if (hits.Has(kDownsTheBall)) {
        play.key.kind = PlayKind::Run;
    }

    ReadFollowingSentences(sentences, following, play, state, table);
    return play.key.kind;
}

}  // namespace gridtally
