#include "core/reports/PlayerReports.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/model/PlayerRoster.h"
#include "core/text/Printf.h"

namespace gridtally {

const PlayerRoster& PlayersOf(const PlayModel& model) {
    static const PlayerRoster none;
    return model.Players() ? *model.Players() : none;
}
namespace {

// The bold header line of each section and what its labels mean, in their order.
struct SectionHeader {
    std::string_view line;
    std::vector<std::string_view> meanings;
};

const SectionHeader kPassingHeader{
    "[B] Passing Stats                Com Att Yds  Pct  TDs Ints Fmbls",
    {"completions", "attempts", "yards passing", "completion percentage", "touchdown passes",
     "interceptions thrown", "fumbles"}};
const SectionHeader kRushingHeader{
    "[B]  Rushing Stats               Car Yds Avg   TDs Fumbles",
    {"carries", "yards rushing", "yards per carry", "rushing touchdowns", "fumbles"}};
const SectionHeader kReceivingHeader{
    "[B]  Receiving Stats             Rec Yds Avg   TDs Fumbles",
    {"receptions", "yards receiving", "yards per reception", "touchdown receptions", "fumbles"}};
const SectionHeader kKickingHeader{
    "[B]Kicking Stats:                 KO Tbs PATs blk FGs         Blk",
    {"kick-offs", "touchbacks", "extra points made/tried", "extra points blocked",
     "field goals made/tried, lng: longest", "field goals blocked"}};
const SectionHeader kPuntingHeader{
    "[B]Punting Stats:              Punts Gr  Avg   Net Avg   Tbs Blk",
    {"punts", "gross yards", "gross yards per punt", "net yards", "net yards per punt",
     "touchbacks", "punts blocked"}};
const SectionHeader kReturnerHeader{
    "[B]Returner Stats:              P-Rtns Yds TDs K-Rtns Yds TDs",
    {"punt returns", "punt return yards", "punt return touchdowns", "kick-off returns",
     "kick-off return yards", "kick-off return touchdowns"}};
const SectionHeader* const kSectionHeaders[] = {&kPassingHeader, &kRushingHeader, &kReceivingHeader,
                                                &kKickingHeader, &kPuntingHeader, &kReturnerHeader};

// Position, number and name; long fields push the rest of the row right.
std::string Prefix(const PlayerRec& p) {
    return Printf("%-4s %-3d %-20s     ", p.position.c_str(), p.number, p.name.c_str());
}

// The kicking section: kick-offs, field goals and extra points.
bool KicksPlaced(const PlayerRec& p) {
    return p.kickoffs != 0 || p.fieldGoalAttempts != 0 || p.extraPointAttempts != 0;
}

double Ratio(std::int32_t part, std::int32_t whole) {
    return static_cast<double>(part) / static_cast<double>(whole);
}

// A player's figures in a game's row format, or one of them as a season's cell.
using Cell = std::string (*)(const PlayerRec&);

// One section of a report text: a game's header and row format, and the same figures one
// cell a column, under the header's last labels, for a season's table.
struct TextSection {
    std::string_view header;
    PlayerSelection players;
    Cell row;
    std::vector<Cell> cells;
};

// A report's sections, kept until all are in: a season's columns line up across them.
using ReportSections = std::vector<TextSection>;

void AppendSection(const PlayerRoster& roster, std::string_view team, ReportSections& lines,
                   std::string_view header, bool (*listed)(const PlayerRec&), Cell row,
                   std::vector<Cell> cells) {
    TextSection section{header, {}, row, std::move(cells)};
    for (const auto& player : roster) {
        if (player->team == team && listed(*player)) section.players.push_back(player.get());
    }
    lines.push_back(std::move(section));
}

// A game's text, in the fixed formats every game's report has always had.
void AppendGameText(const ReportSections& sections, ReportLines& lines) {
    for (const TextSection& section : sections) {
        if (&section != &sections.front()) lines.emplace_back();
        lines.emplace_back(section.header);
        for (const PlayerRec* player : section.players) {
            lines.push_back(Prefix(*player) + section.row(*player));
        }
    }
}

// A game's header is a title, then one word for each of its `count` columns.
void SplitHeader(std::string_view header, std::size_t count, std::string& title,
                 std::vector<std::string_view>& labels) {
    std::vector<std::size_t> words;
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] != ' ' && (i == 0 || header[i - 1] == ' ')) words.push_back(i);
    }
    std::size_t first = words.size() - std::min(count, words.size());
    for (std::size_t word = first; word < words.size(); ++word) {
        std::string_view rest = header.substr(words[word]);
        labels.push_back(rest.substr(0, rest.find(' ')));
    }
    labels.resize(count);
    std::string_view before = header.substr(0, first < words.size() ? words[first] : 0);
    title = before.substr(0, before.find_last_not_of(' ') + 1);
}

// Blanks up to `column`, then `cell`.
void PutAt(std::string& line, std::size_t column, std::string_view cell) {
    if (line.size() < column) line.resize(column, ' ');
    line += cell;
}

// A season's counts outgrow a game's formats, so each column is as wide as its widest cell
// or label. Names, figures and games played start at the same columns in every section;
// each section's figures differ, and so do their widths.
void AppendSeasonText(const ReportSections& sections, const GamesPlayed& games,
                      ReportLines& lines) {
    constexpr std::size_t kGap = 1;      // blanks between two columns at least
    constexpr std::size_t kNameGap = 5;  // after the name, as in a game's rows
    struct Table {
        std::string title;
        std::vector<std::string_view> labels;
        std::vector<std::vector<std::string>> rows;  // the cells, then the games played
        std::vector<std::size_t> starts;             // of the cells' columns
    };
    std::size_t position = 4, number = 3, name = 20;  // a game's widths at least
    std::vector<Table> tables;
    for (const TextSection& section : sections) {
        Table& table = tables.emplace_back();
        SplitHeader(section.header, section.cells.size(), table.title, table.labels);
        for (const PlayerRec* player : section.players) {
            std::vector<std::string>& row = table.rows.emplace_back();
            for (Cell cell : section.cells) row.push_back(cell(*player));
            row.push_back(std::to_string(games(*player)));
            position = std::max(position, player->position.size());
            number = std::max(number, std::to_string(player->number).size());
            name = std::max(name, player->name.size());
        }
    }
    const std::size_t numberStart = position + kGap;
    const std::size_t nameStart = numberStart + number + kGap;
    std::size_t figuresStart = nameStart + name + kNameGap;
    for (const Table& table : tables) {
        figuresStart = std::max(figuresStart, table.title.size() + kGap);
    }
    std::size_t gamesStart = 0;
    for (Table& table : tables) {
        std::size_t start = figuresStart;
        for (std::size_t column = 0; column < table.labels.size(); ++column) {
            table.starts.push_back(start);
            std::size_t widest = table.labels[column].size();
            for (const auto& row : table.rows) widest = std::max(widest, row[column].size());
            start += widest + kGap;
        }
        gamesStart = std::max(gamesStart, start);
    }

    for (std::size_t s = 0; s < tables.size(); ++s) {
        const Table& table = tables[s];
        if (s > 0) lines.emplace_back();
        std::string header = table.title;
        for (std::size_t column = 0; column < table.labels.size(); ++column) {
            PutAt(header, table.starts[column], table.labels[column]);
        }
        PutAt(header, gamesStart, "G");
        lines.push_back(std::move(header));
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            const PlayerRec& player = *sections[s].players[r];
            std::string line = player.position.str();
            PutAt(line, numberStart, std::to_string(player.number));
            PutAt(line, nameStart, player.name.view());
            for (std::size_t column = 0; column < table.starts.size(); ++column) {
                PutAt(line, table.starts[column], table.rows[r][column]);
            }
            PutAt(line, gamesStart, table.rows[r].back());
            lines.push_back(std::move(line));
        }
    }
}

void AppendText(const ReportSections& sections, const GamesPlayed* games, ReportLines& lines) {
    if (games) {
        AppendSeasonText(sections, *games, lines);
    } else {
        AppendGameText(sections, lines);
    }
}

// One section of a report table: which players it lists and its figures.
struct Section {
    const char* name;
    bool (*listed)(const PlayerRec&);
    std::vector<std::pair<const char*, std::string (*)(const PlayerRec&)>> figures;
};

std::string Number(std::int32_t value) { return std::to_string(value); }

std::string Tenths(double value) { return Printf("%.1f", value); }

CsvTable ReportTable(const PlayerRoster& roster, std::string_view team,
                     const std::vector<Section>& sections, const GamesPlayed* games) {
    CsvTable table{{"section", "Pos", "No", "Name"}, {}};
    if (games) table.header.emplace_back("G");
    const std::size_t fixed = table.header.size();
    auto columnOf = [&](std::string_view figure) {
        for (std::size_t i = fixed; i < table.header.size(); ++i) {
            if (table.header[i] == figure) return i;
        }
        table.header.emplace_back(figure);
        return table.header.size() - 1;
    };
    for (const Section& section : sections) {
        for (const auto& figure : section.figures) columnOf(figure.first);
    }
    for (const Section& section : sections) {
        for (const auto& player : roster) {
            if (player->team != team || !section.listed(*player)) continue;
            std::vector<std::string> row(table.header.size());
            row[0] = section.name;
            row[1] = player->position.str();
            row[2] = Number(player->number);
            row[3] = player->name.str();
            if (games) row[4] = std::to_string((*games)(*player));
            for (const auto& [figure, value] : section.figures)
                row[columnOf(figure)] = value(*player);
            table.rows.push_back(std::move(row));
        }
    }
    return table;
}

}  // namespace

CsvTable OffenseReportTable(const PlayerRoster& roster, std::string_view team,
                            const GamesPlayed* games) {
    using P = const PlayerRec&;
    return ReportTable(
        roster, team,
        {{"Passing",
          [](P p) { return p.passAttempts != 0; },
          {{"Com", [](P p) { return Number(p.completions); }},
           {"Att", [](P p) { return Number(p.passAttempts); }},
           {"Yds", [](P p) { return Number(p.passYards); }},
           {"Pct", [](P p) { return Tenths(Ratio(p.completions, p.passAttempts) * 100.0); }},
           {"TDs", [](P p) { return Number(p.passTouchdowns); }},
           {"Ints", [](P p) { return Number(p.interceptionsThrown); }},
           {"Fumbles", [](P p) { return Number(p.fumbles); }}}},
         {"Rushing",
          [](P p) { return p.rushAttempts != 0; },
          {{"Car", [](P p) { return Number(p.rushAttempts); }},
           {"Yds", [](P p) { return Number(p.rushYards); }},
           {"Avg", [](P p) { return Tenths(Ratio(p.rushYards, p.rushAttempts)); }},
           {"TDs", [](P p) { return Number(p.rushTouchdowns); }},
           {"Fumbles", [](P p) { return Number(p.fumbles); }}}},
         {"Receiving",
          [](P p) { return p.receptions != 0; },
          {{"Rec", [](P p) { return Number(p.receptions); }},
           {"Yds", [](P p) { return Number(p.receivingYards); }},
           {"Avg", [](P p) { return Tenths(Ratio(p.receivingYards, p.receptions)); }},
           {"TDs", [](P p) { return Number(p.receivingTouchdowns); }},
           {"Fumbles", [](P p) { return Number(p.fumbles); }}}}},
        games);
}

CsvTable SpecialTeamsReportTable(const PlayerRoster& roster, std::string_view team,
                                 const GamesPlayed* games) {
    using P = const PlayerRec&;
    return ReportTable(
        roster, team,
        {{"Kicking",
          [](P p) { return KicksPlaced(p); },
          {{"KO", [](P p) { return Number(p.kickoffs); }},
           {"KO Tbs", [](P p) { return Number(p.kickoffTouchbacks); }},
           {"PAT", [](P p) { return Number(p.extraPointsMade); }},
           {"PAT Att", [](P p) { return Number(p.extraPointAttempts); }},
           {"PAT Blk", [](P p) { return Number(p.extraPointsBlocked); }},
           {"FG", [](P p) { return Number(p.fieldGoalsMade); }},
           {"FG Att", [](P p) { return Number(p.fieldGoalAttempts); }},
           {"FG Lng", [](P p) { return Number(p.longestFieldGoal); }},
           {"FG Blk", [](P p) { return Number(p.fieldGoalsBlocked); }}}},
         {"Punting",
          [](P p) { return p.punts != 0; },
          {{"Punts", [](P p) { return Number(p.punts); }},
           {"Gross", [](P p) { return Number(p.puntGrossYards); }},
           {"Gross Avg", [](P p) { return Tenths(Ratio(p.puntGrossYards, p.punts)); }},
           {"Net", [](P p) { return Number(p.puntNetYards); }},
           {"Net Avg", [](P p) { return Tenths(Ratio(p.puntNetYards, p.punts)); }},
           {"Punt Tbs", [](P p) { return Number(p.puntTouchbacks); }},
           {"Punts Blk", [](P p) { return Number(p.puntsBlocked); }}}},
         {"Returns",
          [](P p) { return static_cast<std::int64_t>(p.kickReturns) + p.puntReturns != 0; },
          {{"P-Rtns", [](P p) { return Number(p.puntReturns); }},
           {"P-Rtn Yds", [](P p) { return Number(p.puntReturnYards); }},
           {"P-Rtn TDs", [](P p) { return Number(p.puntReturnTouchdowns); }},
           {"K-Rtns", [](P p) { return Number(p.kickReturns); }},
           {"K-Rtn Yds", [](P p) { return Number(p.kickReturnYards); }},
           {"K-Rtn TDs", [](P p) { return Number(p.kickReturnTouchdowns); }}}}},
        games);
}

std::string OffenseReportTitle(std::string_view team) {
    return std::string(team) + " - Offensive Player Stats";
}

std::string SpecialTeamsReportTitle(std::string_view team) {
    return std::string(team) + " - Special Teams Stats";
}

void BuildOffenseReport(const PlayerRoster& roster, std::string_view team, ReportLines& report,
                        const GamesPlayed* games) {
    using P = const PlayerRec&;
    ReportSections lines;  // laid out when all are in
    AppendSection(
        roster, team, lines, kPassingHeader.line,
        [](const PlayerRec& p) { return p.passAttempts != 0; },
        [](const PlayerRec& p) {
            return Printf("%-3d %-3d %-4d %-5.1f %-2d  %-2d  %-2d", p.completions, p.passAttempts,
                          p.passYards, Ratio(p.completions, p.passAttempts) * 100.0,
                          p.passTouchdowns, p.interceptionsThrown, p.fumbles);
        },
        {[](P p) { return Number(p.completions); }, [](P p) { return Number(p.passAttempts); },
         [](P p) { return Number(p.passYards); },
         [](P p) { return Tenths(Ratio(p.completions, p.passAttempts) * 100.0); },
         [](P p) { return Number(p.passTouchdowns); },
         [](P p) { return Number(p.interceptionsThrown); }, [](P p) { return Number(p.fumbles); }});
    AppendSection(
        roster, team, lines, kRushingHeader.line,
        [](const PlayerRec& p) { return p.rushAttempts != 0; },
        [](const PlayerRec& p) {
            return Printf("%-3d %-3d %-5.1f %-2d %-2d", p.rushAttempts, p.rushYards,
                          Ratio(p.rushYards, p.rushAttempts), p.rushTouchdowns, p.fumbles);
        },
        {[](P p) { return Number(p.rushAttempts); }, [](P p) { return Number(p.rushYards); },
         [](P p) { return Tenths(Ratio(p.rushYards, p.rushAttempts)); },
         [](P p) { return Number(p.rushTouchdowns); }, [](P p) { return Number(p.fumbles); }});
    AppendSection(
        roster, team, lines, kReceivingHeader.line,
        [](const PlayerRec& p) { return p.receptions != 0; },
        [](const PlayerRec& p) {
            return Printf("%-3d %-4d %-5.1f %-2d %-2d", p.receptions, p.receivingYards,
                          Ratio(p.receivingYards, p.receptions), p.receivingTouchdowns, p.fumbles);
        },
        {[](P p) { return Number(p.receptions); }, [](P p) { return Number(p.receivingYards); },
         [](P p) { return Tenths(Ratio(p.receivingYards, p.receptions)); },
         [](P p) { return Number(p.receivingTouchdowns); }, [](P p) { return Number(p.fumbles); }});
    AppendText(lines, games, report);
}

void BuildSpecialTeamsReport(const PlayerRoster& roster, std::string_view team, ReportLines& report,
                             const GamesPlayed* games) {
    using P = const PlayerRec&;
    ReportSections lines;  // laid out when all are in
    AppendSection(
        roster, team, lines, kKickingHeader.line, [](const PlayerRec& p) { return KicksPlaced(p); },
        [](const PlayerRec& p) {
            return Printf("%-2d %-3d %d/%d %-3d %d/%d (%d lng) %-2d", p.kickoffs,
                          p.kickoffTouchbacks, p.extraPointsMade, p.extraPointAttempts,
                          p.extraPointsBlocked, p.fieldGoalsMade, p.fieldGoalAttempts,
                          p.longestFieldGoal, p.fieldGoalsBlocked);
        },
        {[](P p) { return Number(p.kickoffs); }, [](P p) { return Number(p.kickoffTouchbacks); },
         [](P p) { return Printf("%d/%d", p.extraPointsMade, p.extraPointAttempts); },
         [](P p) { return Number(p.extraPointsBlocked); },
         [](P p) {
             return Printf("%d/%d (%d lng)", p.fieldGoalsMade, p.fieldGoalAttempts,
                           p.longestFieldGoal);
         },
         [](P p) { return Number(p.fieldGoalsBlocked); }});
    AppendSection(
        roster, team, lines, kPuntingHeader.line, [](const PlayerRec& p) { return p.punts != 0; },
        [](const PlayerRec& p) {
            return Printf("%-2d %-3d %-5.1f %-3d %-5.1f %-2d   %-3d", p.punts, p.puntGrossYards,
                          Ratio(p.puntGrossYards, p.punts), p.puntNetYards,
                          Ratio(p.puntNetYards, p.punts), p.puntTouchbacks, p.puntsBlocked);
        },
        {[](P p) { return Number(p.punts); }, [](P p) { return Number(p.puntGrossYards); },
         [](P p) { return Tenths(Ratio(p.puntGrossYards, p.punts)); },
         [](P p) { return Number(p.puntNetYards); },
         [](P p) { return Tenths(Ratio(p.puntNetYards, p.punts)); },
         [](P p) { return Number(p.puntTouchbacks); }, [](P p) { return Number(p.puntsBlocked); }});
    AppendSection(
        roster, team, lines, kReturnerHeader.line,
        [](const PlayerRec& p) {
            return static_cast<std::int64_t>(p.kickReturns) + p.puntReturns != 0;
        },
        [](const PlayerRec& p) {
            return Printf("%-3d  %-3d  %-3d %-3d    %-3d %-3d", p.puntReturns, p.puntReturnYards,
                          p.puntReturnTouchdowns, p.kickReturns, p.kickReturnYards,
                          p.kickReturnTouchdowns);
        },
        {[](P p) { return Number(p.puntReturns); }, [](P p) { return Number(p.puntReturnYards); },
         [](P p) { return Number(p.puntReturnTouchdowns); },
         [](P p) { return Number(p.kickReturns); }, [](P p) { return Number(p.kickReturnYards); },
         [](P p) { return Number(p.kickReturnTouchdowns); }});
    AppendText(lines, games, report);
}

std::vector<HeaderTip> ReportHeaderTips(std::string_view line) {
    std::vector<HeaderTip> tips;
    for (const SectionHeader* section : kSectionHeaders) {
        std::string title;
        std::vector<std::string_view> labels;
        SplitHeader(section->line, section->meanings.size(), title, labels);
        if (line.substr(0, title.size()) != title) continue;
        // A game's labels, then a season's "G"; each word after the title in turn.
        std::size_t label = 0;
        for (std::size_t at = title.size(); at < line.size();) {
            std::size_t begin = line.find_first_not_of(' ', at);
            if (begin == std::string_view::npos) break;
            std::size_t end = std::min(line.find(' ', begin), line.size());
            std::string_view word = line.substr(begin, end - begin);
            std::string_view meaning;
            if (label < section->meanings.size()) {
                meaning = section->meanings[label++];
            } else if (word == "G") {
                meaning = "games played";
            }
            if (!meaning.empty()) {
                tips.push_back({begin, end, std::string(word) + ": " + std::string(meaning)});
            }
            at = end;
        }
        break;
    }
    return tips;
}

}  // namespace gridtally
