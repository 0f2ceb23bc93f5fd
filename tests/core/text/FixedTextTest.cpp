#include <gtest/gtest.h>

#include <string>

#include "core/text/FixedText.h"

namespace gridtally {
namespace {

TEST(FixedText, KeepsTextThatFitsAndCutsTheRestToLeaveRoomForTheTerminator) {
    FixedText<4> position("QB");
    EXPECT_EQ(position.view(), "QB");

    position = "LONGER";
    EXPECT_EQ(position.view(), "LON");
    EXPECT_EQ(position.size(), 3u);
    EXPECT_EQ(position.bytes()[3], '\0');

    FixedText<32> team(std::string(40, 'x'));
    EXPECT_EQ(team.size(), 31u);
}

TEST(FixedText, StopsAtAnEmbeddedNulAndPadsWithZeros) {
    FixedText<8> text(std::string_view("ab\0cd", 5));
    EXPECT_EQ(text.view(), "ab");
    for (std::size_t i = 2; i < 8; ++i) EXPECT_EQ(text.bytes()[i], '\0');

    text = "abcdefg";
    text = "z";  // a shorter text leaves nothing of the longer one behind
    EXPECT_EQ(std::string(text.bytes().data(), 8), std::string("z\0\0\0\0\0\0\0", 8));
}

TEST(FixedText, FitGivesWhatTheFieldWouldStore) {
    EXPECT_EQ(FixedText<4>::Fit("abcdef"), "abc");
    EXPECT_EQ(FixedText<4>::Fit("ab"), "ab");
}

}  // namespace
}  // namespace gridtally
