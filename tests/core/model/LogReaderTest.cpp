#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/LogReader.h"

namespace gridtally {
namespace {

std::vector<std::string> Statements(std::string_view log) {
    std::vector<std::string> statements;
    ReadLogStatements(log, [&](Statement& s, StatementSpan) { statements.push_back(s); });
    return statements;
}

using List = std::vector<std::string>;

TEST(ReadLogStatements, JoinsLinesWithOneBlankOnlyBetweenTwoNonBlanks) {
    struct Case {
        const char* log;
        const char* statement;
    };
    for (const Case& c : {
             Case{"ab\ncd\n\n", "ab cd"}, Case{"ab \ncd\n\n", "ab cd"},
             Case{"ab\n cd\n\n", "ab cd"}, Case{"ab \n cd\n\n", "ab  cd"},
             Case{"ab\n\tcd\n\n", "ab\tcd"}, Case{"ab\r\ncd\r\n\r\n", "ab cd"},
             Case{"ab\ncd\nef\n\n", "ab cd ef"},
             Case{"ab\x05\ncd\n\n", "ab\x05 cd"},  // the statement keeps its marks
         }) {
        EXPECT_EQ(Statements(c.log), List{c.statement}) << c.log;
    }
}

TEST(ReadLogStatements, EachEmptyLineHandsOnAStatementEvenAnEmptyOne) {
    EXPECT_EQ(Statements("a\n\nb\n\n\n\n"), (List{"a", "b", "", ""}));
    EXPECT_EQ(Statements("\n"), List{""});
    EXPECT_EQ(Statements("\r\n"), List{""});
    EXPECT_EQ(Statements(""), List{});
}

TEST(ReadLogStatements, DropsTheStatementThatNoEmptyLineCloses) {
    EXPECT_EQ(Statements("a\n\nb\nc\n"), List{"a"});
    EXPECT_EQ(Statements("a\n\nb"), List{"a"});
}

TEST(ReadLogStatements, AFormFeedAtTheEndOfALineClosesTheStatementAndLosesTheLine) {
    EXPECT_EQ(Statements("a\nlost text\f\nb\n\f\nc\f\n"), (List{"a", "b", ""}));
    // A form feed inside a line is just text.
    EXPECT_EQ(Statements("a\fb\nc\n\n"), List{"a\fb c"});
}

TEST(ReadLogStatements, ACarriageReturnOnlyEndsALineBeforeALineFeed) {
    EXPECT_EQ(Statements("a\rb\n\n"), List{"a\rb"});
    EXPECT_EQ(Statements("a\r\r\nb\n\n"), List{"a\rb"});  // the first CR is the line's text
}

TEST(ReadLogStatements, ShowsEveryLineAfterTheStatementItCloses) {
    std::vector<std::string> events;
    ReadLogStatements(
        "one\r\ntwo\n\nlast",
        [&](Statement& s, StatementSpan) { events.push_back("statement:" + s); },
        [&](std::string_view line) { events.push_back("line:" + std::string(line)); });
    EXPECT_EQ(events, (List{"line:one", "line:two", "statement:one two", "line:", "line:last"}));
}

}  // namespace
}  // namespace gridtally
