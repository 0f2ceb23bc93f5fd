#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/GameState.h"
#include "core/model/PlayerRoster.h"
#include "core/model/Statement.h"
#include "core/model/TeamTotals.h"
#include "core/parsers/Play.h"
#include "core/playcalls/PlayCallTable.h"
#include "core/playcalls/PlayModel.h"
#include "core/text/FixedText.h"

namespace gridtally {

struct LogParse;

// Why a text that held no situation or play statement is refused as a game.
inline constexpr std::string_view kNotAGameLog =
    "not a game log (no situation or play statement found)";

// Why a file with a NUL byte near its start is refused as a game without being read:
// text holds none, and a database or picture saved beside the logs would otherwise be
// read as one, whatever statements its bytes happen to hold.
inline constexpr std::string_view kBinaryNotAGameLog =
    "not a game log (a binary file: a NUL byte in its first 4 KB)";
bool IsBinaryFile(std::string_view fileBytes);

// Which of a game's two clubs is at home, from the log's "AWAY at HOME" line: a line
// before the first statement (at `firstStatement`) that splits at one of its " at "
// into the two clubs' names, so a club named "Stand at Bay" still reads. 0 or 1 for
// that club of `clubs`; -1 when no line says it.
int HomeClub(std::string_view fileBytes, std::size_t firstStatement,
             const std::array<std::string, 2>& clubs);

// The model of one game read from its log: the lines, the players and the club totals.
// The game window's document extends it; the command-line dump uses it alone.
class GameLog : public PlayModel {
public:
    GameLog();

    // Reads a whole log, given as its file's bytes, into this model. Lines end at LF
    // or CR LF; statements end at an empty line or a line ending in a form feed.
    void Load(std::string_view fileBytes);

    // Whether the text read held a situation statement that names the ball's place or a
    // play statement with its play calls: a file without one is something other than a
    // game log, however much of it looks like statements. A binary file (IsBinaryFile)
    // is none, and is not parsed at all.
    bool IsGameLog() const { return recognisedStatements_ > 0; }
    // Why the file read is no game log: kNotAGameLog or kBinaryNotAGameLog.
    std::string_view NotAGameLogReason() const {
        return binary_ ? kBinaryNotAGameLog : kNotAGameLog;
    }

    // The label of a club (0 or 1) as its tab shows it: its name, or "Team 1" /
    // "Team 2" while the log named none.
    std::string ClubLabel(int club) const;
    // The club whose label this is, or nothing.
    std::optional<int> FindClub(std::string_view label) const;
    // The name the players' records carry for the club a label names; the label
    // itself when it names no club.
    std::string_view ClubName(std::string_view label) const override;
    const PlayerRoster* Players() const override { return &roster; }
    const std::function<std::int32_t(const PlayerRec&)>* GamesPlayed() const override {
        return gamesPlayed ? &gamesPlayed : nullptr;
    }

    TeamTotals* FindTeamTotals(std::string_view team) override;
    // "Team 1" and "Team 2" stand for the clubs' real names.
    void CollectPlayCalls(PlayKind kind, std::string_view team,
                          std::vector<std::unique_ptr<PlayRec>>& list) override;
    bool RemovePlayCall(PlayRec& play) override;
    void AddPlayCall(PlayRec& play) override;

    PlayCallTable playCalls;

    // Every line of the file in order, each 0x05 byte shown as a blank.
    std::vector<std::string> logLines;
    PlayerRoster roster;
    std::unique_ptr<GameState> currentState;
    FixedText<64> team1Name{"Team 1"};
    FixedText<64> team2Name{"Team 2"};
    std::array<TeamTotals, 2> teamTotals;
    // The file as read, for the log source view.
    std::string sourceText;
    // Whether Load keeps logLines and sourceText. Only the views show them; a reader that
    // wants the figures alone saves a copy of every line.
    bool keepText = true;
    // Whether Load keeps the play-by-play table in `plays`.
    bool keepPlays = false;
    GamePlays plays;
    // Where the parser's messages go while Load reads; not owned.
    DiagnosticsSink* diagnostics = &StandardStreams();
    // Statements the last Load handed to the parser.
    std::int32_t statementCount = 0;
    // Games a player played, when the model sums several (a season's club); a game's
    // own model has none, and its player pages no column of games.
    std::function<std::int32_t(const PlayerRec&)> gamesPlayed;

private:
    void ParseAndName(std::string& statement, LogParse& parse);

    std::size_t recognisedStatements_ = 0;
    bool binary_ = false;
};

// Whether a statement of this kind shows that its text is a game log: a situation that
// names the ball's place, or a play with its play-call sentence.
bool ShowsAGame(StatementKind kind, std::string_view statement);

}  // namespace gridtally
