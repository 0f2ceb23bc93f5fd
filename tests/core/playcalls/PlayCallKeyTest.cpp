#include <gtest/gtest.h>

#include <string>

#include "core/playcalls/PlayCallKey.h"

namespace gridtally {
namespace {

PlayCallKey Key(const char* team, const std::string& play, PlayKind kind) {
    PlayCallKey key;
    key.team = team;
    key.play = play;
    key.kind = kind;
    return key;
}

TEST(BuildKeyText, FormatsTeamPlayAndKindAndKeepsTheText) {
    PlayCallKey key = Key("Reds", "Dive", PlayKind::Run);
    EXPECT_EQ(BuildKeyText(key), "Reds|Dive|0");
    EXPECT_EQ(key.keyText, "Reds|Dive|0");

    PlayCallKey pass = Key("Reds", "Dive", PlayKind::Pass);
    EXPECT_NE(BuildKeyText(pass), key.keyText);  // one play name, one record per kind
    PlayCallKey other = Key("reds", "Dive", PlayKind::Run);
    EXPECT_NE(BuildKeyText(other), key.keyText);
    PlayCallKey fresh;
    EXPECT_EQ(BuildKeyText(fresh), "||5");
}

TEST(SplitKeyText, RecoversWhatBuildKeyTextJoined) {
    PlayCallKey key;
    SplitKeyText("Prairie Dogs|Cover 3 Sky|3", key);
    EXPECT_EQ(key.team, "Prairie Dogs");
    EXPECT_EQ(key.play, "Cover 3 Sky");
    EXPECT_EQ(key.kind, PlayKind::Defense);
    EXPECT_EQ(key.keyText, "Prairie Dogs|Cover 3 Sky|3");
}

TEST(SplitKeyText, CutsPlayNamesTo64Bytes) {
    std::string longPlay(100, 'p');
    PlayCallKey built = Key("Reds", longPlay, PlayKind::Pass);
    PlayCallKey key;
    SplitKeyText(BuildKeyText(built), key);
    EXPECT_EQ(key.play.view(), longPlay.substr(0, 64));
    EXPECT_EQ(key.kind, PlayKind::Pass);
    for (std::size_t i = 64; i < 128; ++i) EXPECT_EQ(key.play.bytes()[i], '\0');

    // A team that fills the whole field keeps its terminator.
    SplitKeyText(std::string(70, 't') + "|Dive|0", key);
    EXPECT_EQ(key.team.size(), 63u);
}

TEST(SplitKeyText, AKindThatCannotBeReadIsFiveAndMissingSeparatorsChangeLess) {
    PlayCallKey key;
    SplitKeyText("Reds|Dive|x", key);
    EXPECT_EQ(key.kind, PlayKind::None);
    SplitKeyText("Reds|Dive|", key);
    EXPECT_EQ(key.kind, PlayKind::None);
    SplitKeyText("Reds|Dive|7", key);
    EXPECT_EQ(static_cast<int>(key.kind), 7);

    PlayCallKey untouched = Key("Blues", "Sweep", PlayKind::Run);
    SplitKeyText("no separator", untouched);
    EXPECT_EQ(untouched.team, "Blues");
    EXPECT_EQ(untouched.play, "Sweep");
    SplitKeyText("Greens|only one", untouched);
    EXPECT_EQ(untouched.team, "Greens");
    EXPECT_EQ(untouched.play, "Sweep");
    EXPECT_EQ(untouched.kind, PlayKind::Run);
    EXPECT_TRUE(untouched.keyText.empty());
}

// A '|' in a name would split the key wrongly and hide the call from every page: it is
// written as '/', and the club is still found by the name it has in the log.
TEST(BuildKeyText, WritesTheSeparatorInANameAsASlash) {
    PlayCallKey built = Key("O|Town", "I|Form", PlayKind::Run);
    EXPECT_EQ(BuildKeyText(built), "O/Town|I/Form|0");
    PlayCallKey key;
    SplitKeyText(built.keyText, key);
    EXPECT_EQ(key.team, "O/Town");
    EXPECT_EQ(key.play, "I/Form");
    EXPECT_EQ(key.kind, PlayKind::Run);
    EXPECT_EQ(BuildKeyText(key), built.keyText);

    EXPECT_TRUE(IsKeyNameOf("O/Town", "O|Town"));
    EXPECT_TRUE(IsKeyNameOf("O/Town", "O/Town"));
    EXPECT_FALSE(IsKeyNameOf("O/Town", "O|Towns"));
    EXPECT_FALSE(IsKeyNameOf("O|Town", "O|Town"));  // a split key holds no separator
}

}  // namespace
}  // namespace gridtally
