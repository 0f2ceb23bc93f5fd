#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "../CounterLines.h"
#include "core/model/GameState.h"
#include "core/model/PlayerRec.h"
#include "core/model/PlayerRoster.h"
#include "core/model/Statement.h"
#include "core/model/TeamTotals.h"
#include "core/parsers/StatementParser.h"
#include "core/playcalls/PlayCallTable.h"
#include "core/text/Diagnostics.h"

namespace gridtally {

// Play statements read one after another, each after its own situation of the Otters
// against the Rams, and everything they leave behind.
struct PlayCase {
    std::string name;
    std::array<int, 2> counted;  // the Otters' runs and passes on first and ten
    std::vector<std::string> plays;
    std::vector<std::string> players;  // RosterLines
    std::vector<std::string> calls;    // CallLines
    std::vector<std::string> printed = {};
    std::vector<std::string> errorsStartingWith = {};
};

inline void PrintTo(const PlayCase& c, std::ostream* out) { *out << c.name; }

// Reads play statements the way a game log does, after a situation that names the
// offense and the defense, and offers the players and records they produced.
class PlayFixture : public ::testing::Test {
protected:
    StatementKind Situation(const std::string& offense, const std::string& defense, int down = 1,
                            int toGo = 10) {
        static const char* kDowns[] = {"Kickoff", "First", "Second", "Third", "Fourth"};
        std::string text = offense + "'s ball on their 30 yard line. " + kDowns[down] + " and " +
                           std::to_string(toGo) + ". There are 9:00 left. The score is " + offense +
                           " 0, " + defense + " 0. " + offense + " has possession.";
        return Parse(text);
    }

    StatementKind Parse(std::string text) {
        return ParseStatement(text, parse, playCalls, roster, totals);
    }

    // Reads one play after a first-and-ten situation of Otters against Rams.
    StatementKind OttersPlay(const std::string& text) {
        Situation("Otters", "Rams");
        return Parse(text);
    }

    // Reads the case's plays after situations of the given down and checks all they left.
    void ExpectCase(const PlayCase& c, int situationDown) {
        for (const std::string& play : c.plays) {
            Situation("Otters", "Rams", situationDown);
            EXPECT_EQ(Parse(play), StatementKind::Play) << play;
        }
        EXPECT_EQ(state, nullptr);
        EXPECT_EQ(RosterLines(roster), c.players);
        EXPECT_EQ(CallLines(playCalls), c.calls);
        EXPECT_EQ(totals[0].name.view(), "Otters");
        EXPECT_EQ(totals[1].name.view(), "Rams");
        int counted = 0;
        for (const TeamTotals& team : totals)
            for (const auto& down : team.counts)
                for (const auto& bucket : down) counted += bucket[0] + bucket[1];
        EXPECT_EQ(counted, c.counted[0] + c.counted[1]);  // so nothing in another cell
        EXPECT_EQ(totals[0].counts[0][2][0], c.counted[0]);
        EXPECT_EQ(totals[0].counts[0][2][1], c.counted[1]);
        EXPECT_EQ(capture.stdoutMessages(), c.printed);
        ASSERT_EQ(capture.stderrMessages().size(), c.errorsStartingWith.size());
        for (std::size_t i = 0; i < c.errorsStartingWith.size(); ++i) {
            EXPECT_TRUE(capture.stderrMessages()[i].starts_with(c.errorsStartingWith[i]))
                << capture.stderrMessages()[i];
        }
    }

    const PlayerRec& Player(const std::string& name) {
        PlayerRec* player = FindPlayerByName(roster, name);
        if (!player) {
            ADD_FAILURE() << "no player " << name;
            static PlayerRec none;
            return none;
        }
        return *player;
    }

    const PlayCallRec& Call(const std::string& key) {
        const PlayCallRec* record = playCalls.Find(key);
        if (!record) {
            ADD_FAILURE() << "no play call " << key;
            static PlayCallRec none;
            return none;
        }
        return *record;
    }

    DiagnosticsCapture capture;
    LogParse parse{capture};
    std::unique_ptr<GameState>& state = parse.currentState;
    PlayCallTable playCalls;
    PlayerRoster roster;
    std::array<TeamTotals, 2> totals;
};

inline std::string CaseName(const ::testing::TestParamInfo<PlayCase>& info) {
    return info.param.name;
}

}  // namespace gridtally
