#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/ReportCommand.h"

namespace gridtally {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(FormatPrintout, TitlesBodiesAndFormFeedSeparators) {
    PrintoutPage report;
    report.title = "Caf\xE9 - Offensive Player Stats";
    report.isReport = true;
    report.report = {"[B] Passing", "row \xFC", ""};
    PrintoutPage list;
    list.title = "Caf\xE9 - Tendencies";
    list.headers = {"Situation", "Runs", "Passes"};
    list.rows = {{"First and 0-1", "1", "2"}, {" ", "", ""}};

    EXPECT_EQ(FormatPrintout({report, list}, {}),
              "Caf\xC3\xA9 - Offensive Player Stats\n"
              "    Passing\n"
              "row \xC3\xBC\n"
              "\n"
              "\f\n"
              "Caf\xC3\xA9 - Tendencies\n"
              "Situation\tRuns\tPasses\n"
              "First and 0-1\t1\t2\n"
              " \t\t\n");
    EXPECT_EQ(FormatPrintout({report}, {.bold = true}),
              "Caf\xC3\xA9 - Offensive Player Stats\n"
              "\x1b[1m    Passing\x1b[0m\n"
              "row \xC3\xBC\n"
              "\n");

    // On a terminal: padded to the widest cell in characters, not bytes.
    PrintoutPage plays;
    plays.title = "Caf\xE9 - Running Plays";
    plays.headers = {"Play", "Calls", "Yards"};
    plays.rows = {{"Caf\xE9 Dive", "1", "12"}, {"Sweep", "10", "-3"}, {" ", "", ""}};
    EXPECT_EQ(FormatPrintout({plays}, {.columns = true}),
              "Caf\xC3\xA9 - Running Plays\n"
              "Play       Calls  Yards\n"
              "Caf\xC3\xA9 Dive  1      12\n"
              "Sweep      10     -3\n"
              "\n");
}

std::string Report(const std::optional<std::string>& team, int expectedStatus = 0) {
    std::ostringstream out, err;
    EXPECT_EQ(
        RunReport(GRIDTALLY_EXAMPLES_DIR "/riverside-at-hillcrest.log", team, {}, {}, {out, err}),
        expectedStatus);
    return expectedStatus == 0 ? out.str() : err.str();
}

TEST(RunReport, PrintsFourteenPagesOrSevenOfOneClub) {
    std::string whole = Report(std::nullopt);
    std::vector<std::string> titles;
    std::vector<std::string> lines = Lines(whole);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 0 || lines[i - 1] == "\f") titles.push_back(lines[i]);
    }
    std::vector<std::string> expected;
    for (const char* club : {"Riverside Otters", "Hillcrest"}) {
        for (const char* page :
             {"Offensive Player Stats", "Defensive player stats", "Special Teams Stats",
              "Running Plays", "Passing Plays", "Defensive Plays", "Tendencies"}) {
            expected.push_back(std::string(club) + " - " + page);
        }
    }
    EXPECT_EQ(titles, expected);
    EXPECT_EQ(whole.find('\r'), std::string::npos);
    EXPECT_EQ(whole.find("[B]"), std::string::npos);
    EXPECT_EQ(whole.find('\x1b'), std::string::npos);

    std::string second = Report("Hillcrest");
    EXPECT_TRUE(second.starts_with("Hillcrest - Offensive Player Stats\n"));
    EXPECT_NE(whole.find(second), std::string::npos);  // the club's seven pages, as in the whole
    EXPECT_EQ(std::count(second.begin(), second.end(), '\f'), 6);
}

TEST(RunReport, MatchesTheCheckedPrintoutOfTheSampleGame) {
    std::ifstream in(GRIDTALLY_EXAMPLES_DIR "/riverside-at-hillcrest.report.txt", std::ios::binary);
    ASSERT_TRUE(in);
    std::string expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::string> want = Lines(expected);
    std::vector<std::string> got = Lines(Report(std::nullopt));
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
}

TEST(RunReport, AClubNotInTheGameOrAnUnreadableFileIsAnError) {
    EXPECT_EQ(Report("Comets", 2),
              "gridtally-cli: no club named \"Comets\"; the clubs are: Riverside Otters, "
              "Hillcrest\n");

    std::ostringstream out, err;
    EXPECT_EQ(RunReport("/no/such.log", std::nullopt, {}, {}, {out, err}), 1);
    EXPECT_TRUE(out.str().empty());
    EXPECT_NE(err.str().find("/no/such.log"), std::string::npos);
}

}  // namespace
}  // namespace gridtally
