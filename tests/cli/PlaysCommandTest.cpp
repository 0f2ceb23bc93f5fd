#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "CliFixture.h"
#include "cli/CommandLine.h"
#include "core/text/Latin1.h"

namespace gridtally {
namespace {

const std::string kExample = GRIDTALLY_EXAMPLES_DIR "/riverside-at-hillcrest.log";

class PlaysCommand : public CliTest {
protected:
    std::string Plays(std::vector<std::string> args, int status = 0, bool terminal = false) {
        args.insert(args.begin(), {"gridtally-cli", "plays"});
        std::vector<const char*> argv;
        for (const std::string& arg : args) argv.push_back(arg.c_str());
        out.str("");
        err.str("");
        EXPECT_EQ(Call(
                      [&](Streams io) {
                          return RunCommandLine(static_cast<int>(argv.size()), argv.data(), io);
                      },
                      terminal),
                  status)
            << err.str();
        return out.str();
    }
};

std::vector<std::string> Lines(const std::string& text, const std::string& end = "\n") {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t next = text.find(end, at);
        lines.push_back(text.substr(at, next - at));
        at = next + end.size();
    }
    return lines;
}

// The three formats carry the same table: the TAB text's cells are the JSON's values,
// and the CSV has the same header and one record per play.
TEST_F(PlaysCommand, TextCsvAndJsonHoldTheSameTable) {
    std::vector<std::string> text = Lines(Plays({kExample}));
    std::vector<std::string> csv = Lines(Plays({kExample, "--format", "csv"}), "\r\n");
    auto json = nlohmann::json::parse(Plays({kExample, "--format", "JSON"}));
    ASSERT_EQ(text.size(), 163u);  // a header and the game's 162 plays
    EXPECT_EQ(csv.size(), text.size());
    EXPECT_EQ(text[0],
              "game\tseq\tquarter\tclock\toffense\tdefense\tdown\tto_go\tyard_line\t"
              "offense_score\tdefense_score\tkind\toffense_call\toffense_call_number\t"
              "defense_call\tdefense_call_number\tyards\tpoints\ttouchdown\tturnover\tsafety\t"
              "ball_handler\tpasser\tscore_mismatch\ttext\tscoring_side\tdrive\tyards_gained\t"
              "first_down\tsuccess\tep\tepa");
    EXPECT_EQ(csv[0],
              "game,seq,quarter,clock,offense,defense,down,to_go,yard_line,offense_score,"
              "defense_score,kind,offense_call,offense_call_number,defense_call,"
              "defense_call_number,yards,points,touchdown,turnover,safety,ball_handler,"
              "passer,score_mismatch,text,scoring_side,drive,yards_gained,first_down,success,"
              "ep,epa");
    // A quoted text field: the statement holds commas.
    EXPECT_TRUE(
        csv[7].starts_with("riverside-at-hillcrest.log,7,1,708,Hillcrest,Riverside "
                           "Otters,2,11,69,0,0,pass,Deep Post,30,Dime,12,31,6,1,0,0,"
                           "Ren\xC3\xA9 Castel,Ben Tsai,0,\"The pass from"))
        << csv[7];

    EXPECT_EQ(json["title"], "Plays");
    ASSERT_EQ(json["columns"].size(), 32u);
    ASSERT_EQ(json["rows"].size(), 162u);
    for (std::size_t r = 0; r < json["rows"].size(); ++r) {
        const auto& row = json["rows"][r];
        std::vector<std::string> cells;
        std::stringstream line(text[r + 1]);
        for (std::string cell; std::getline(line, cell, '\t');) cells.push_back(cell);
        cells.resize(26);
        for (std::size_t c = 0; c < 26; ++c) {
            bool integer = json["columns"][c]["type"] == "integer";
            if (cells[c].empty()) {
                EXPECT_TRUE(row[c].is_null()) << r << ' ' << c;
            } else if (integer) {
                EXPECT_EQ(row[c], std::stoll(cells[c])) << r << ' ' << c;
            } else {
                EXPECT_EQ(row[c], cells[c]) << r << ' ' << c;
            }
        }
    }
    // On a terminal the columns line up.
    EXPECT_TRUE(Plays({kExample}, 0, true).starts_with("game                        seq  quarter"));
}

// Each log starts its numbering; one that is not a game log is named and left out.
TEST_F(PlaysCommand, SeveralLogsAndOnesThatAreNot) {
    Write("a.log", TinyLog("Otters"));
    Write("notes.txt", "shopping list\n\n");
    std::vector<std::string> rows =
        Lines(Plays({Path("a.log"), Path("notes.txt"), Path("a.log")}, 1));
    ASSERT_EQ(rows.size() % 2, 1u);  // a header and the same plays twice
    std::size_t half = rows.size() / 2;
    EXPECT_TRUE(rows[1].starts_with("a.log\t1\t"));
    EXPECT_EQ(rows[1 + half], rows[1]);
    EXPECT_NE(err.str().find("notes.txt: not a game log"), std::string::npos) << err.str();

    Plays({Path("a.log"), "--format", "xml"}, 2);
    EXPECT_EQ(err.str(), "gridtally-cli: --format: expected text, csv or json (not \"xml\")\n");
    Plays({}, 2);
    EXPECT_NE(err.str().find("plays: expected one or more game logs (GAME.log...)"),
              std::string::npos);
}

// Names a spreadsheet would run as formulas stay text in CSV (a leading "'"), while
// numbers, negative ones too, stay numbers; JSON keeps every value as it is.
TEST_F(PlaysCommand, NamesNeverRunAsFormulasInCsv) {
    const std::string club = "=HYPERLINK(\"http://x\",\"y\")", other = "@SUM(1)";
    Write("evil.log", club + "'s ball on their 30 yard line. Second and 10. Clock.\nThe score is " +
                          club + " 0, " + other + " 0. " + club + " has possession.\n\n" + club +
                          "'s HB #22 Al Bo runs for a loss of 3 yards. That was =cmd|' /C calc'!A0 "
                          "(1)\nagainst " +
                          other + "'s -Blitz (2).\n\n");
    std::vector<std::string> csv = Lines(Plays({Path("evil.log"), "--format", "csv"}), "\r\n");
    ASSERT_EQ(csv.size(), 2u);
    EXPECT_TRUE(
        csv[1].starts_with("evil.log,1,,,\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\","
                           "'@SUM(1),2,10,30,0,0,run,'=cmd|' /C calc'!A0,1,'-Blitz,2,-3,"))
        << csv[1];
    auto json = nlohmann::json::parse(Plays({Path("evil.log"), "--format", "json"}));
    EXPECT_EQ(json["rows"][0][4], club);
    EXPECT_EQ(json["rows"][0][12], "=cmd|' /C calc'!A0");
    EXPECT_EQ(json["rows"][0][16], -3);
}

}  // namespace
}  // namespace gridtally
