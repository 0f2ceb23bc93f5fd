#include "core/reports/PlayerReports.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/model/PlayerRoster.h"
#include "core/text/Printf.h"

namespace gridtally {
namespace {

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

// The column of games played that a season's reports add, after the widest line.
constexpr std::size_t kGamesColumn = 66;

std::string WithGames(std::string line, std::string_view games) {
    if (line.size() < kGamesColumn) line.resize(kGamesColumn, ' ');
    return line + " " + std::string(games);
}

// A section's header and its players' rows.
template <typename Row>
void AppendSection(const PlayerRoster& roster, std::string_view team, ReportLines& lines,
                   std::string header, bool (*listed)(const PlayerRec&), Row row,
                   const GamesPlayed* games) {
    lines.push_back(games ? WithGames(std::move(header), "G") : std::move(header));
    for (const auto& player : roster) {
        if (player->team != team || !listed(*player)) continue;
        std::string line = Prefix(*player) + row(*player);
        lines.push_back(games ? WithGames(std::move(line), std::to_string((*games)(*player)))
                              : std::move(line));
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

void BuildOffenseReport(const PlayerRoster& roster, std::string_view team, ReportLines& lines,
                        const GamesPlayed* games) {
    AppendSection(
        roster, team, lines, "[B] Passing Stats                Com Att Yds  Pct  TDs Ints Fmbls",
        [](const PlayerRec& p) { return p.passAttempts != 0; },
        [](const PlayerRec& p) {
            return Printf("%-3d %-3d %-4d %-5.1f %-2d  %-2d  %-2d", p.completions, p.passAttempts,
                          p.passYards, Ratio(p.completions, p.passAttempts) * 100.0,
                          p.passTouchdowns, p.interceptionsThrown, p.fumbles);
        },
        games);
    lines.emplace_back();
    AppendSection(
        roster, team, lines, "[B]  Rushing Stats               Car Yds Avg   TDs Fumbles",
        [](const PlayerRec& p) { return p.rushAttempts != 0; },
        [](const PlayerRec& p) {
            return Printf("%-3d %-3d %-5.1f %-2d %-2d", p.rushAttempts, p.rushYards,
                          Ratio(p.rushYards, p.rushAttempts), p.rushTouchdowns, p.fumbles);
        },
        games);
    lines.emplace_back();
    AppendSection(
        roster, team, lines, "[B]  Receiving Stats             Rec Yds Avg   TDs Fumbles",
        [](const PlayerRec& p) { return p.receptions != 0; },
        [](const PlayerRec& p) {
            return Printf("%-3d %-4d %-5.1f %-2d %-2d", p.receptions, p.receivingYards,
                          Ratio(p.receivingYards, p.receptions), p.receivingTouchdowns, p.fumbles);
        },
        games);
}

void BuildSpecialTeamsReport(const PlayerRoster& roster, std::string_view team, ReportLines& lines,
                             const GamesPlayed* games) {
    AppendSection(
        roster, team, lines, "[B]Kicking Stats:                 KO Tbs PATs blk FGs         Blk",
        [](const PlayerRec& p) { return KicksPlaced(p); },
        [](const PlayerRec& p) {
            return Printf("%-2d %-3d %d/%d %-3d %d/%d (%d lng) %-2d", p.kickoffs,
                          p.kickoffTouchbacks, p.extraPointsMade, p.extraPointAttempts,
                          p.extraPointsBlocked, p.fieldGoalsMade, p.fieldGoalAttempts,
                          p.longestFieldGoal, p.fieldGoalsBlocked);
        },
        games);
    lines.emplace_back();
    AppendSection(
        roster, team, lines, "[B]Punting Stats:              Punts Gr  Avg   Net Avg   Tbs Blk",
        [](const PlayerRec& p) { return p.punts != 0; },
        [](const PlayerRec& p) {
            return Printf("%-2d %-3d %-5.1f %-3d %-5.1f %-2d   %-3d", p.punts, p.puntGrossYards,
                          Ratio(p.puntGrossYards, p.punts), p.puntNetYards,
                          Ratio(p.puntNetYards, p.punts), p.puntTouchbacks, p.puntsBlocked);
        },
        games);
    lines.emplace_back();
    AppendSection(
        roster, team, lines, "[B]Returner Stats:              P-Rtns Yds TDs K-Rtns Yds TDs",
        [](const PlayerRec& p) {
            return static_cast<std::int64_t>(p.kickReturns) + p.puntReturns != 0;
        },
        [](const PlayerRec& p) {
            return Printf("%-3d  %-3d  %-3d %-3d    %-3d %-3d", p.puntReturns, p.puntReturnYards,
                          p.puntReturnTouchdowns, p.kickReturns, p.kickReturnYards,
                          p.kickReturnTouchdowns);
        },
        games);
}

}  // namespace gridtally
