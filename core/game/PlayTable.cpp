#include "core/game/PlayTable.h"

#include <optional>
#include <string>
#include <utility>

#include "core/model/LogReader.h"
#include "core/text/Printf.h"

namespace gridtally {
namespace {

enum PlayColumn {
    kGame,
    kSeq,
    kQuarter,
    kClock,
    kOffense,
    kDefense,
    kDown,
    kToGo,
    kYardLine,
    kOffenseScore,
    kDefenseScore,
    kKind,
    kOffenseCall,
    kOffenseCallNumber,
    kDefenseCall,
    kDefenseCallNumber,
    kYards,
    kPoints,
    kTouchdown,
    kTurnover,
    kSafety,
    kBallHandler,
    kPasser,
    kScoreMismatch,
    kText,
    kScoringSide,
    kDrive,
    kYardsGained,
    kFirstDown,
    kSuccess,
    kEp,
    kEpa,
    kColumnCount
};

constexpr ColumnType kInt = ColumnType::Integer;
constexpr ColumnType kStr = ColumnType::Text;

std::string Number(std::int64_t value) { return std::to_string(value); }
// A number that may be unread: empty then.
std::string NumberOr(std::int64_t value, bool read) { return read ? Number(value) : std::string(); }
std::string Flag(bool on) { return on ? "1" : "0"; }
std::string FlagOr(const std::optional<bool>& on) { return on ? Flag(*on) : std::string(); }
// Two decimals, and no "-0.00".
std::string Points(const std::optional<double>& value) {
    if (!value) return {};
    std::string text = Printf("%.2f", *value);
    return text == "-0.00" ? "0.00" : text;
}

}  // namespace

std::string_view PlayColumnWords(std::string_view name) {
    static constexpr std::pair<std::string_view, std::string_view> kWords[] = {
        {"game", "Game"},
        {"seq", "Play no."},
        {"quarter", "Quarter"},
        {"clock", "Clock"},
        {"offense", "Offense"},
        {"defense", "Defense"},
        {"down", "Down"},
        {"to_go", "To go"},
        {"yard_line", "Yard line"},
        {"offense_score", "Offense score"},
        {"defense_score", "Defense score"},
        {"kind", "Kind"},
        {"offense_call", "Offense call"},
        {"offense_call_number", "Offense call no."},
        {"defense_call", "Defense call"},
        {"defense_call_number", "Defense call no."},
        {"yards", "Yards"},
        {"points", "Points"},
        {"touchdown", "Touchdown"},
        {"turnover", "Turnover"},
        {"safety", "Safety"},
        {"ball_handler", "Ball handler"},
        {"passer", "Passer"},
        {"score_mismatch", "Score mismatch"},
        {"text", "Play"},
        {"scoring_side", "Scored by"},
        {"drive", "Drive"},
        {"yards_gained", "Yards gained"},
        {"first_down", "First down"},
        {"success", "Success"},
        {"ep", "EP"},
        {"epa", "EPA"},
    };
    for (auto [column, words] : kWords) {
        if (column == name) return words;
    }
    return name;
}

std::string ClockText(std::string_view seconds) {
    if (seconds.empty()) return {};
    int value = std::stoi(std::string(seconds));
    std::string text = std::to_string(value / 60) + ":";
    if (value % 60 < 10) text += '0';
    return text + std::to_string(value % 60);
}

DataTable EmptyPlayTable() {
    DataTable table;
    table.title = "Plays";
    table.columns = {
        {"game", kStr},
        {"seq", kInt},
        {"quarter", kInt},
        {"clock", kInt},
        {"offense", kStr},
        {"defense", kStr},
        {"down", kInt},
        {"to_go", kInt},
        {"yard_line", kInt},
        {"offense_score", kInt},
        {"defense_score", kInt},
        {"kind", kStr},
        {"offense_call", kStr},
        {"offense_call_number", kInt},
        {"defense_call", kStr},
        {"defense_call_number", kInt},
        {"yards", kInt},
        {"points", kInt},
        {"touchdown", kInt},
        {"turnover", kInt},
        {"safety", kInt},
        {"ball_handler", kStr},
        {"passer", kStr},
        {"score_mismatch", kInt},
        {"text", kStr},
        {"scoring_side", kStr},
        {"drive", kInt},
        {"yards_gained", kInt},
        {"first_down", kInt},
        {"success", kInt},
        {"ep", ColumnType::Decimal},
        {"epa", ColumnType::Decimal},
    };
    return table;
}

std::string_view PlayColumnMeaning(std::string_view column) {
    static constexpr std::pair<std::string_view, std::string_view> kMeanings[] = {
        {"game", "the game's log"},
        {"seq", "the play's place in its game, from 1"},
        {"quarter", "the quarter, 5 in overtime"},
        {"clock", "seconds left in the quarter"},
        {"offense", "the club with the ball"},
        {"defense", "the club without it"},
        {"down", "the down, 1 to 4"},
        {"to_go", "yards to go for a first down"},
        {"yard_line", "yards from the offense's own goal line"},
        {"offense_score", "the offense's points before the play"},
        {"defense_score", "the defense's points before the play"},
        {"kind", "run, pass, sack, kickoff, punt, field_goal, extra_point or other"},
        {"offense_call", "the offense's play call"},
        {"offense_call_number", "the offense's call's number in the log"},
        {"defense_call", "the defense's play call"},
        {"defense_call_number", "the defense's call's number in the log"},
        {"yards", "yards gained"},
        {"points", "points the play scored"},
        {"touchdown", "1 for a touchdown"},
        {"turnover", "1 for an interception or a fumble the other side kept"},
        {"safety", "1 for a safety"},
        {"ball_handler", "the runner, receiver or kicker"},
        {"passer", "the passer"},
        {"score_mismatch", "1 when the next score read is not the score after the play"},
        {"text", "the play as the log tells it"},
        {"scoring_side", "the side that scored: offense or defense, empty for none"},
        {"drive", "the offense's drive in its game, from 1; empty for kicks"},
        {"yards_gained", "yards from this spot to the next of the drive"},
        {"first_down", "1 when the play gained a first down"},
        {"success", "1 when a run, pass or sack gained enough for its down"},
        {"ep", "expected points before the play, by the next score of the half"},
        {"epa", "expected points the play added"},
    };
    for (const auto& [name, meaning] : kMeanings) {
        if (name == column) return meaning;
    }
    return {};
}

void AppendPlayRows(DataTable& table, std::string_view game, const GameLog& log,
                    std::string_view fileBytes) {
    AppendPlayRows(
        table, game, log.plays,
        [&](std::int32_t place) {
            if (place < 0 || static_cast<std::size_t>(place) >= log.roster.size())
                return std::string();
            return log.roster.at(static_cast<std::size_t>(place))->name.str();
        },
        fileBytes);
}

void AppendPlayRows(DataTable& table, std::string_view game, const GamePlays& plays,
                    const std::function<std::string(std::int32_t place)>& playerName,
                    std::string_view fileBytes) {
    // The plays read are this game's: its expected points are fitted from it alone.
    EpModel model;
    model.Add(plays);
    model.Fit();
    GameMeasures measures = MeasureGame(plays, &model);
    for (std::size_t i = 0; i < plays.plays.size(); ++i) {
        const Play& play = plays.plays[i];
        std::string text;
        if (!fileBytes.empty()) text = StatementText(fileBytes, {play.textOffset, play.textLength});
        table.rows.push_back(
            PlayRowCells(game, plays, play, playerName, std::move(text), &measures.plays[i]));
    }
}

std::vector<std::string> PlayRowCells(
    std::string_view game, const GamePlays& plays, const Play& play,
    const std::function<std::string(std::int32_t place)>& playerName, std::string text,
    const PlayMeasure* measure) {
    std::vector<std::string> row(kColumnCount);
    row[kGame] = game;
    row[kSeq] = Number(play.seq);
    row[kQuarter] = NumberOr(play.quarter, play.quarter > 0);
    row[kClock] = NumberOr(play.clock, play.clock >= 0);
    row[kOffense] = play.offense;
    row[kDefense] = play.defense;
    row[kDown] = NumberOr(play.down, play.down >= 1 && play.down <= 4);
    row[kToGo] = Number(play.toGo);
    row[kYardLine] = NumberOr(play.yardLine, play.yardLine >= 0);
    row[kOffenseScore] = Number(play.offenseScore);
    row[kDefenseScore] = Number(play.defenseScore);
    row[kKind] = PlayTypeName(play.type);
    if (const CallEntry* call = plays.ShownCall(play)) {
        row[kOffenseCall] = call->offensePlay;
        row[kOffenseCallNumber] = NumberOr(call->offenseNumber, call->offenseNumber >= 0);
        if (call->hasDefense) {
            row[kDefenseCall] = call->defensePlay;
            row[kDefenseCallNumber] = NumberOr(call->defenseNumber, call->defenseNumber >= 0);
        }
    }
    row[kYards] = Number(play.results.yards);
    row[kPoints] = Number(play.points);
    row[kTouchdown] = Flag(play.touchdown);
    row[kTurnover] = Flag(play.turnover);
    row[kSafety] = Flag(play.safety);
    row[kBallHandler] = playerName(play.ballHandler);
    row[kPasser] = playerName(play.passer);
    row[kScoreMismatch] = Flag(play.scoreMismatch);
    row[kText] = std::move(text);
    row[kScoringSide] = ScoringSideName(play.scoringSide);
    if (measure) {
        row[kDrive] = NumberOr(measure->drive, measure->drive > 0);
        if (measure->yardsGained) row[kYardsGained] = Number(*measure->yardsGained);
        row[kFirstDown] = FlagOr(measure->firstDown);
        row[kSuccess] = FlagOr(measure->success);
        row[kEp] = Points(measure->ep);
        row[kEpa] = Points(measure->epa);
    }
    return row;
}

}  // namespace gridtally
