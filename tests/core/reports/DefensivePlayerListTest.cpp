#include <gtest/gtest.h>

#include <algorithm>

#include "core/model/PlayerRoster.h"
#include "core/reports/DefensivePlayerList.h"

namespace gridtally {
namespace {

TEST(DPlayerList, ColumnsAndCells) {
    auto columns = DPlayerColumns();
    ASSERT_EQ(columns.size(), 8u);
    EXPECT_EQ(columns[6].header, "Int Yds");
    EXPECT_EQ(columns[6].printX, 8000);
    EXPECT_EQ(columns[7].width, 90);

    PlayerRoster roster;
    PlayerRec& player = *FindOrAddPlayer("S #29 Wes Varga", "Rams", roster);
    player.tackles = 4;
    player.interceptionYards = -3;
    player.fumbleRecoveries = 1;
    EXPECT_EQ(DPlayerCells(player),
              (std::vector<std::string>{"Wes Varga", "S", "4", "0", "0", "0", "-3", "1"}));
}

TEST(DPlayerList, SortsNamesByBytesAndCountersLargestFirst) {
    PlayerRoster roster;
    PlayerRec& zed = *FindOrAddPlayer("S #1 Zed", "Rams", roster);
    PlayerRec& abe = *FindOrAddPlayer("S #2 abe", "Rams", roster);
    PlayerRec& eve = *FindOrAddPlayer("CB #3 \xC9ve", "Rams", roster);
    zed.interceptionYards = 40;
    abe.interceptionYards = -5;
    eve.interceptionYards = 12;

    std::vector<PlayerRec*> rows{&abe, &eve, &zed};
    auto sorted = [&](int column) {
        std::stable_sort(rows.begin(), rows.end(),
                         [&](auto* a, auto* b) { return CompareDPlayers(column, *a, *b) < 0; });
        std::vector<std::string> names;
        for (auto* row : rows) names.push_back(row->name.str());
        return names;
    };
    EXPECT_EQ(sorted(0), (std::vector<std::string>{"Zed", "abe", "\xC9ve"}));
    EXPECT_EQ(sorted(6), (std::vector<std::string>{"Zed", "\xC9ve", "abe"}));
    EXPECT_EQ(sorted(1), (std::vector<std::string>{"\xC9ve", "Zed", "abe"}));  // CB before S
    EXPECT_EQ(CompareDPlayers(8, zed, abe), 0);
    EXPECT_EQ(CompareDPlayers(-1, zed, abe), 0);

    zed.tackles = 2147483647;
    abe.tackles = -2147483647 - 1;
    EXPECT_LT(CompareDPlayers(2, zed, abe), 0);  // no overflow in the difference
}

}  // namespace
}  // namespace gridtally
