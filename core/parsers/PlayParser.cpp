#include "parsers/PlayParser.h"

#include <array>

#include "model/GameState.h"
#include "parsers/KickParser.h"
#include "parsers/PassParser.h"
#include "parsers/PlayCallSentence.h"
#include "parsers/PlayCredits.h"
#include "model/PlayerRoster.h"
#include "parsers/RunParser.h"
#include "model/Sentences.h"
#include "model/Statement.h"
#include "text/TextScan.h"
#include "playcalls/PlayCallTable.h"
#include "playcalls/PlayRec.h"

namespace gridtally {
namespace {

bool ContainsAny(std::string_view text, std::initializer_list<std::string_view> phrases) {
    for (std::string_view phrase : phrases) {
        if (Contains(text, phrase)) return true;
    }
    return false;
}

// The sentences after the play itself: touchdowns, safeties and the play calls.
void ReadFollowingSentences(const Sentences& sentences, std::size_t first, PlayRec& play,
                            const GameState& state, PlayCallTable& table) {
    for (std::size_t i = first; i < sentences.size(); ++i) {
        std::string_view sentence = sentences[i];
        if (ContainsAny(sentence, {"First ", "Second ", "Third ", "Fourth ", " is injured "})) {
            continue;
        }
        if (Contains(sentence, "Touchdown, ")) {
            CreditTouchdown(sentence, play, state);
        } else if (Contains(sentence, "Safety, ")) {
            play.results.safeties = 1;
        } else if (Contains(sentence, "That was ")) {
            ReadPlayCallSentence(sentence, play, table);
        }
    }
}

void ReadKickFrom(const Sentences& sentences, std::size_t first, PlayRec& play, GameState& state,
                  PlayerRoster& roster) {
    play.key.kind = PlayKind::Kick;
    ParseKick(first == 0 ? sentences : Sentences(sentences.From(first)), play, state, roster);
}

}  // namespace

PlayKind ParsePlayStatement(std::string_view statement, GameState& state, PlayCallTable& table,
                            PlayerRoster& roster) {
    if (Contains(statement, "called back")) return PlayKind::CalledBack;

    PlayRec play;
    play.key.team = state.offense;
    play.state = state;

    if (statement.find(SentenceMark) == std::string_view::npos) return PlayKind::None;
    Sentences sentences(statement);
    std::string_view s1 = sentences[0];
    std::size_t following = 1;

    if (ContainsAny(s1, {"kicks off to", " punts ", " punt is blocked", "attempts a ",
                         "The ball is downed", "kicks for the extra point"})) {
        ReadKickFrom(sentences, Contains(s1, "goes out of bound") ? 1 : 0, play, state, roster);
    } else if (ContainsAny(s1, {"gives to ", "runs for ", "keeps the ball", "fumbles the ball"})) {
        play.key.kind = PlayKind::Run;
        following = ParseRun(sentences, play, state, roster);
    } else if (Contains(s1, "The pass from")) {
        play.key.kind = PlayKind::Pass;
        ParsePass(sentences, play, state, roster);
    } else if (Contains(s1, "is sacked by ")) {
        ParseSack(sentences, play, roster);
    } else if (Contains(s1, "goes out of bounds")) {
        // "The kickoff goes out of bounds." opens a kick told in the next sentence. Tested
        // after runs and passes so that a carrier who goes out of bounds stays a run.
        ReadKickFrom(sentences, 1, play, state, roster);
    } else if (Contains(s1, "downs the ball")) {
        play.key.kind = PlayKind::Run;
    }

    ReadFollowingSentences(sentences, following, play, state, table);
    return play.key.kind;
}

}  // namespace gridtally
