#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/game/GameLog.h"
#include "core/model/TeamTotals.h"
#include "core/playcalls/PlayCallTable.h"
#include "core/playcalls/PlayModel.h"
#include "core/text/Failure.h"

namespace gridtally {

// Club name to its summed TeamTotals; the DB owns them.
using TeamTotalsTable = std::map<std::string, std::unique_ptr<TeamTotals>>;

// The model of a Play DB: the play calls and the down-and-distance counts of every club
// of the logs added to it. The Play DB window's document extends it.
class PlayDB : public PlayModel {
public:
    PlayDB() : PlayModel(ModelKind::PlayDB) {}

    TeamTotals* FindTeamTotals(std::string_view team) override;
    void CollectPlayCalls(PlayKind kind, std::string_view team,
                          std::vector<std::unique_ptr<PlayRec>>& list) override;
    bool RemovePlayCall(PlayRec& play) override;
    void AddPlayCall(PlayRec& play) override;

    // Reads one game log, given as its bytes, into the play calls and into `totals`, as
    // a game log is read; adds the two clubs' names (empty ones too) to `names`.
    // Returns whether the text held a situation or play statement (is a game log).
    bool ImportLog(std::string_view logBytes, std::set<std::string>& names,
                   std::array<TeamTotals, 2>& totals);

    // Adds `totals` to the record of its name, if there is one, and stores it in its
    // place.
    void MergeTeamTotals(std::unique_ptr<TeamTotals> totals);

    // Adds one log: its text (nullptr when it could not be read) is imported with two
    // fresh TeamTotals, merged in turn so that a club met twice is summed and never
    // counted twice. A log that could not be read adds no play calls but still merges
    // its two empty-named records. Returns whether the text was a game log.
    bool AddLog(const std::string* logBytes, std::set<std::string>& names);

    static constexpr std::string_view kNotAGameLog = gridtally::kNotAGameLog;

    // Reads log files and adds them in order, as AddLog does. `progress` hears of each
    // file done; when it answers false, no file after that one is added.
    struct AddResult {
        int added = 0;
        std::vector<Failure> failures;  // the logs that could not be added as game logs
    };
    //
    // The files are parsed on `threads` threads (0: every core), each into tables of its
    // own, and joined in order: the DB, the names and the messages (numbered as one
    // reading numbers them) come out as a reading in turn leaves them.
    AddResult AddLogFiles(
        const std::vector<std::string>& paths, std::set<std::string>& names,
        const std::function<bool(std::size_t done, std::size_t total)>& progress = {},
        unsigned threads = 0);

    // Whether the DB holds play calls or tendencies of a club of exactly this name.
    bool HasTeam(std::string_view team) const;

    // Removes a club's play calls and its TeamTotals. Returns the play calls removed.
    int DeleteTeam(std::string_view team);

    // The clubs a user can pick: non-empty names, one of each set of names equal but for
    // case, ordered without regard to case, as a Play DB's form has always listed them
    // (a season's Clubs keeps such names apart, on purpose).
    std::vector<std::string> TeamNames() const;

    PlayCallTable playCalls;
    TeamTotalsTable teamTotals;
    std::string currentTeam;
    // Where the parser's messages go while logs are added; not owned.
    DiagnosticsSink* diagnostics = &StandardStreams();
    // Statements the logs added so far handed to the parser; numbers its error messages.
    std::int32_t statementCount = 0;
};

}  // namespace gridtally
