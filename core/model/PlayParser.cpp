#include "model/PlayParser.h"

#include "model/GameState.h"
#include "model/PlayCallSentence.h"
#include "model/PlayerRoster.h"
#include "model/Sentences.h"
#include "model/Statement.h"
#include "model/TextScan.h"
#include "playcalls/PlayCallTable.h"
#include "playcalls/PlayRec.h"

namespace gridtally {
namespace {

bool IsPassedOver(std::string_view sentence) {
    for (std::string_view phrase : {"First ", "Second ", "Third ", "Fourth ", " is injured "}) {
        if (Contains(sentence, phrase)) return true;
    }
    return false;
}

// The sentences after the play itself: safeties and the play calls.
void ReadFollowingSentences(const Sentences& sentences, std::size_t first, PlayRec& play,
                            PlayCallTable& table) {
    for (std::size_t i = first; i < sentences.size(); ++i) {
        std::string_view sentence = sentences[i];
        if (IsPassedOver(sentence)) continue;
        if (Contains(sentence, "Safety, ")) {
            play.results.safeties = 1;
        } else if (Contains(sentence, "That was ")) {
            ReadPlayCallSentence(sentence, play, table);
        }
    }
}

}  // namespace

PlayKind ParsePlayStatement(std::string_view statement, GameState& state, PlayCallTable& table,
                            PlayerRoster& /*roster*/) {
    if (Contains(statement, "called back")) return PlayKind::CalledBack;

    PlayRec play;
    play.key.team = state.offense;
    play.state = state;

    if (statement.find(SentenceMark) == std::string_view::npos) return PlayKind::None;
    Sentences sentences(statement);

    ReadFollowingSentences(sentences, 1, play, table);
    return play.key.kind;
}

}  // namespace gridtally
