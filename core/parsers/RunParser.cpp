#include "parsers/RunParser.h"

#include <optional>
#include <string_view>

#include "model/Counter.h"
#include "model/GameState.h"
#include "parsers/PlayCredits.h"
#include "model/PlayerRoster.h"
#include "model/Sentences.h"
#include "text/TextScan.h"
#include "parsers/YardagePhraseTable.h"
#include "playcalls/PlayRec.h"

namespace gridtally {
namespace {

PlayerRec* PlayerAfterApostrophe(std::string_view sentence, std::size_t end, PlayerRoster& roster) {
    auto sided = ReferenceAfterApostrophe(sentence, end);
    return sided ? FindOrAddPlayer(sided->reference, sided->team, roster) : nullptr;
}

}  // namespace

std::size_t ParseRun(const Sentences& sentences, PlayRec& play, const GameState& state,
                     PlayerRoster& roster) {
    constexpr std::string_view kGivesTo = " gives to ";
    constexpr std::string_view kKeeps = " keeps the ball";
    constexpr std::string_view kFumbles = " fumbles the ball";
    const YardagePhraseTable& runPhrases = YardagePhraseTable::Run();
    constexpr std::size_t kDownsTheBall = 8;

    std::string_view s1 = sentences[0];
    PlayerRec* runner = nullptr;
    std::optional<std::string_view> yardageText;
    std::size_t next = 1;  // N: the sentence after the carry

    if (std::size_t at = s1.find(kGivesTo); at != std::string_view::npos) {
        PlayerAfterApostrophe(s1, at, roster);  // the hand-off is not credited
        runner = FindOrAddPlayer(s1.substr(at + kGivesTo.size()), state.offense, roster);
        yardageText = sentences[1];
        next = 2;
    } else if (std::size_t keeps = s1.find(kKeeps); keeps != std::string_view::npos) {
        runner = PlayerAfterApostrophe(s1, keeps, roster);
        yardageText = s1.substr(keeps);
    } else if (auto match = runPhrases.Find(s1)) {
        runner = PlayerAfterApostrophe(s1, match->position, roster);
        if (match->index == kDownsTheBall) {
            yardageText = sentences[1];
            next = 2;
        } else {
            yardageText = s1;
        }
    } else if (std::size_t fumbles = s1.find(kFumbles); fumbles != std::string_view::npos) {
        runner = PlayerAfterApostrophe(s1, fumbles, roster);
    }

    if (runner) {
        AddTo(runner->rushAttempts, 1);
        play.ballHandler = runner;
    }
    if (yardageText) {
        if (auto match = runPhrases.Find(*yardageText)) {
            if (runner) AddTo(runner->rushYards, match->yards);
            play.results.yards = match->yards;
        }
    }

    std::size_t tackle = next;  // T
    if (Contains(sentences.Through(next), " fumbles the ball.")) {
        if (runner) AddTo(runner->fumbles, 1);
        play.results.fumbles = 1;
        tackle = next + 1;
        Recovery recovery = FindRecoverer(sentences[next], state.offense, runner, roster);
        if (recovery.found) {
            if (recovery.player) {
                AddTo(recovery.player->fumbleRecoveries, 1);
                play.ballHandler = recovery.player;
            }
            CreditRecoveryReturn(sentences[next + 1], recovery.player, play);
            tackle = next + 2;
        }
    }

    if (Contains(sentences[tackle], "is tackled by ")) {
        CreditTackle(sentences[tackle], play, roster);
        return tackle + 1;
    }
    return tackle;
}

}  // namespace gridtally
