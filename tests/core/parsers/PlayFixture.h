#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "text/Diagnostics.h"
#include "model/GameState.h"
#include "parsers/StatementParser.h"
#include "model/PlayerRoster.h"
#include "model/Statement.h"
#include "model/TeamTotals.h"
#include "playcalls/PlayCallTable.h"

namespace gridtally {

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
        return ParseStatement(text, playCalls, roster, state, totals);
    }

    // Reads one play after a first-and-ten situation of Otters against Rams.
    StatementKind OttersPlay(const std::string& text) {
        Situation("Otters", "Rams");
        return Parse(text);
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
    PlayCallTable playCalls;
    PlayerRoster roster;
    std::unique_ptr<GameState> state;
    std::array<TeamTotals, 2> totals;
};

}  // namespace gridtally
