#include "core/parsers/PlayRecorder.h"

#include "core/model/Counter.h"
#include "core/model/GameState.h"
#include "core/model/PlayerRoster.h"
#include "core/model/Statement.h"
#include "core/playcalls/PlayRec.h"
#include "core/text/TextScan.h"

namespace gridtally {
namespace {

PlayType TypeOf(PlayKind result, const PlayCallRec& results, KickKind kick) {
    switch (result) {
        case PlayKind::Run:
            return PlayType::Run;
        case PlayKind::Pass:
            return results.sacks > 0 ? PlayType::Sack : PlayType::Pass;
        case PlayKind::Kick:
            switch (kick) {
                case KickKind::Kickoff:
                    return PlayType::Kickoff;
                case KickKind::Punt:
                    return PlayType::Punt;
                case KickKind::FieldGoal:
                    return PlayType::FieldGoal;
                case KickKind::ExtraPoint:
                    return PlayType::ExtraPoint;
                default:
                    return PlayType::Other;
            }
        default:
            return PlayType::Other;
    }
}

bool IsReturnedKick(PlayType type) { return type == PlayType::Kickoff || type == PlayType::Punt; }

// The club a scoring sentence names: "Touchdown, Hillcrest!".
std::string_view ClubNamedAfter(std::string_view statement, std::string_view phrase) {
    std::size_t at = FindText(statement, phrase);
    if (at == std::string_view::npos) return {};
    std::string_view rest = statement.substr(at + phrase.size());
    return rest.substr(0, rest.find_first_of(std::string_view("!.\x05", 3)));
}

struct Sides {
    std::string_view offense;
    std::string_view defense;

    ScoringSide OfClub(std::string_view club) const {
        if (club.empty()) return ScoringSide::None;
        if (club == offense) return ScoringSide::Offense;
        if (club == defense) return ScoringSide::Defense;
        return ScoringSide::None;
    }
    // A player's club as his record holds it, in its 32 bytes.
    ScoringSide OfPlayer(const PlayerRec* player) const {
        if (!player) return ScoringSide::None;
        using Team = decltype(PlayerRec::team);
        if (player->team == Team::Fit(offense)) return ScoringSide::Offense;
        if (player->team == Team::Fit(defense)) return ScoringSide::Defense;
        return ScoringSide::None;
    }
};

// Who scored the touchdown: the club the sentence names, else the scorer's club, else
// the side that had the ball at the end by the kind of play.
ScoringSide TouchdownSide(const Play& row, const PlayRec& play, const Sides& sides,
                          std::string_view statement) {
    ScoringSide side = sides.OfClub(ClubNamedAfter(statement, "Touchdown, "));
    if (side == ScoringSide::None) side = sides.OfPlayer(play.ballHandler);
    if (side != ScoringSide::None) return side;
    bool returned = (row.parsedKind == PlayKind::Pass && row.results.defTouchdowns > 0) ||
                    IsReturnedKick(row.type);
    return returned ? ScoringSide::Defense : ScoringSide::Offense;
}

// A safety scores for the side that did not have the ball in its end zone.
ScoringSide SafetySide(const Play& row, const PlayRec& play, const Sides& sides,
                       std::string_view statement) {
    ScoringSide side = sides.OfClub(ClubNamedAfter(statement, "Safety, "));
    if (side != ScoringSide::None) return side;
    ScoringSide carrier = sides.OfPlayer(play.ballHandler);
    if (IsReturnedKick(row.type) && carrier == ScoringSide::Defense) return ScoringSide::Offense;
    return ScoringSide::Defense;
}

bool IsTurnover(const Play& row, const PlayRec& play, const Sides& sides) {
    if (row.results.interceptions > 0) return true;
    ScoringSide recovered = sides.OfPlayer(play.recoverer);
    if (IsReturnedKick(row.type)) return recovered == ScoringSide::Offense;  // a muffed return
    if (row.type == PlayType::FieldGoal || row.type == PlayType::ExtraPoint) return false;
    return row.results.fumbles > 0 && play.recoverer &&
           play.recoverer->team != decltype(PlayerRec::team)::Fit(sides.offense);
}

std::int32_t PlaceOf(const PlayerRec* player, const PlayerRoster& roster) {
    return player ? static_cast<std::int32_t>(roster.IndexOf(player)) : -1;
}

}  // namespace

std::int32_t& PlayRecorder::ScoreOf(std::string_view club) {
    auto found = score_.find(club);
    if (found == score_.end()) found = score_.emplace(std::string(club), 0).first;
    return found->second;
}

void PlayRecorder::NameSidesOfPlayWithoutSituation(Play& row, const ParsedPlay& parsed) const {
    // The play's call is filed under no club, but the table can still tell whose play it
    // was: the side its sentences name (a pass names the passer's), or the club named
    // first, when that is one of the game's two.
    std::string offense = parsed.after.offense.str();
    if (offense.empty()) {
        std::size_t possessive = FindText(parsed.statement, "'s ");
        if (possessive == std::string_view::npos) return;
        offense = decltype(GameState::offense)::Fit(parsed.statement.substr(0, possessive));
    }
    if (offense == clubs_[0] && !offense.empty()) {
        row.offense = clubs_[0];
        row.defense = clubs_[1];
    } else if (offense == clubs_[1] && !offense.empty()) {
        row.offense = clubs_[1];
        row.defense = clubs_[0];
    }
}

void PlayRecorder::Situation(const SituationReading& reading) {
    if (reading.score) {
        clubs_ = {(*reading.score)[0].name, (*reading.score)[1].name};
        for (const SituationReading::Side& side : *reading.score) {
            std::int32_t& points = ScoreOf(side.name);
            if (!lastPlayChecked_ && points != side.points) out_.plays.back().scoreMismatch = true;
            points = side.points;
        }
        lastPlayChecked_ = true;
    }
    if (reading.quarter != 0) quarter_ = reading.quarter;
    situation_ = reading;
}

std::optional<std::int32_t> LossOfYards(std::string_view text) {
    constexpr std::string_view kLoss = "for a loss of ";
    std::size_t at = text.find(kLoss);
    if (at == std::string_view::npos) return std::nullopt;
    std::size_t digits = at + kLoss.size();
    std::int32_t yards = 0;
    std::size_t end = digits;
    while (end < text.size() && end - digits < 4 && text[end] >= '0' && text[end] <= '9') {
        yards = yards * 10 + (text[end++] - '0');
    }
    if (end == digits || text.substr(end, 5) != " yard") return std::nullopt;
    return yards;
}

void PlayRecorder::AddPlay(const ParsedPlay& parsed, PlayTrace& trace, const PlayerRoster& roster) {
    const PlayRec& play = parsed.play;
    Play& row = out_.plays.emplace_back();
    row.seq = static_cast<std::int32_t>(out_.plays.size());
    row.quarter = quarter_;
    if (situation_) {
        row.clock = situation_->clock;
        row.yardLine = situation_->yardLine;
    }
    situation_.reset();
    row.offense = play.state.offense.str();
    row.defense = play.state.defense.str();
    if (row.offense.empty()) NameSidesOfPlayWithoutSituation(row, parsed);
    row.down = play.state.down;
    row.toGo = play.state.toGo;
    row.offenseScore = ScoreOf(row.offense);
    row.defenseScore = ScoreOf(row.defense);
    // Crediting the play call gives the play the call's summed results; its own are
    // those it was credited with first.
    row.results = trace.calls.empty() ? play.results : trace.calls.front().results;
    row.type = TypeOf(parsed.result, row.results, parsed.after.kickKind);
    row.parsedKind = parsed.result;
    row.ballHandler = PlaceOf(play.ballHandler, roster);
    row.passer = PlaceOf(play.passer, roster);
    row.tallyRecord = parsed.tallyRecord;
    if (row.type == PlayType::Sack) {
        std::string_view text = parsed.statement.substr(0, parsed.statement.find('\0'));
        row.sackLoss = LossOfYards(text).value_or(-1);
    }
    row.textOffset = parsed.span.offset;
    row.textLength = parsed.span.length;

    Sides sides{row.offense, row.defense};
    row.touchdown = play.touchdown;
    row.safety = row.results.safeties > 0;
    row.turnover = IsTurnover(row, play, sides);
    std::int32_t offensePoints = 0;
    std::int32_t defensePoints = 0;
    auto award = [&](ScoringSide side, std::int32_t points) {
        AddTo(side == ScoringSide::Offense ? offensePoints : defensePoints, points);
    };
    if (row.touchdown) {
        award(TouchdownSide(row, play, sides, parsed.statement), 6);
    } else if (row.results.points > 0) {
        award(ScoringSide::Offense, row.results.points);  // a field goal or extra point
    }
    if (row.safety) award(SafetySide(row, play, sides, parsed.statement), 2);
    row.points = offensePoints + defensePoints;
    if (row.points > 0) {
        row.scoringSide =
            offensePoints >= defensePoints ? ScoringSide::Offense : ScoringSide::Defense;
    }
    AddTo(ScoreOf(row.offense), offensePoints);
    AddTo(ScoreOf(row.defense), defensePoints);
    lastPlayChecked_ = false;

    row.firstCredit = static_cast<std::uint32_t>(out_.credits.size());
    for (const CounterChange& change : trace.changes) {
        out_.credits.push_back({static_cast<std::uint32_t>(roster.IndexOf(change.player)),
                                change.counter, change.delta});
    }
    row.creditCount = static_cast<std::uint32_t>(trace.changes.size());
    row.firstCall = static_cast<std::uint32_t>(out_.calls.size());
    out_.calls.insert(out_.calls.end(), std::make_move_iterator(trace.calls.begin()),
                      std::make_move_iterator(trace.calls.end()));
    row.callCount = static_cast<std::uint32_t>(trace.calls.size());
}

}  // namespace gridtally
