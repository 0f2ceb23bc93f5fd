#include "cli/ReportCommand.h"

#include <algorithm>
#include <ostream>

#include "core/game/GameLog.h"
#include "core/text/Diagnostics.h"
#include "core/text/Latin1.h"

namespace gridtally {
namespace {

constexpr std::string_view kBoldOn = "\x1b[1m";
constexpr std::string_view kBoldOff = "\x1b[0m";

void AppendLine(std::string& out, std::string_view latin1) {
    out += Latin1ToUtf8(latin1);
    out += '\n';
}

void AppendCells(std::string& out, const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += '\t';
        line += cells[i];
    }
    AppendLine(out, line);
}

// As `ls` lines up names: each column as wide as its widest cell, the last one unpadded.
void AppendColumns(std::string& out, const PrintoutPage& page) {
    // Cells are Latin-1, so a cell's bytes are its characters.
    std::vector<std::size_t> widths;
    auto measure = [&](const std::vector<std::string>& cells) {
        if (widths.size() < cells.size()) widths.resize(cells.size());
        for (std::size_t i = 0; i < cells.size(); ++i) {
            widths[i] = std::max(widths[i], cells[i].size());
        }
    };
    measure(page.headers);
    for (const auto& row : page.rows) measure(row);

    auto append = [&](const std::vector<std::string>& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) line.append(2 + widths[i - 1] - cells[i - 1].size(), ' ');
            line += cells[i];
        }
        while (line.ends_with(' ')) line.pop_back();
        AppendLine(out, line);
    };
    append(page.headers);
    for (const auto& row : page.rows) append(row);
}

}  // namespace

std::string FormatPrintout(const std::vector<PrintoutPage>& pages, PrintoutStyle style) {
    std::string out;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const PrintoutPage& page = pages[p];
        if (p > 0) out += "\f\n";
        AppendLine(out, page.title);
        if (page.isReport) {
            for (const std::string& line : page.report) {
                if (style.bold && IsBoldLine(line)) {
                    out += kBoldOn;
                    out += Latin1ToUtf8(ShownLine(line));
                    out += kBoldOff;
                    out += '\n';
                } else {
                    AppendLine(out, ShownLine(line));
                }
            }
            continue;
        }
        if (style.columns) {
            AppendColumns(out, page);
            continue;
        }
        AppendCells(out, page.headers);
        for (const auto& row : page.rows) AppendCells(out, row);
    }
    return out;
}

int RunReport(const std::string& path, const std::optional<std::string>& team, bool bold,
              Streams io) {
    std::optional<std::string> club;
    if (team && !(club = ClubArgument("--team", *team, io.err))) return kUsage;
    std::string bytes;
    if (!ReadInputFile(path, bytes, io.err)) return kFileFailed;
    GameLog game;
    game.keepText = false;  // the printout shows figures, never the log's lines
    {
        DiagnosticsCapture quiet;  // the parser's messages are not part of the printout
        game.Load(bytes);
    }
    if (!game.IsGameLog()) {
        ReportNotAGameLog(path, io.err);
        return kFileFailed;
    }

    std::vector<PrintoutPage> pages;
    if (!club) {
        pages = BuildGamePrintout(game);
    } else {
        if (!game.FindClub(*club)) {
            io.err << kProgram << "no club named \"" << *team << "\" in " << path
                   << " (its clubs: \"" << Latin1ToUtf8(game.ClubLabel(0)) << "\" and \""
                   << Latin1ToUtf8(game.ClubLabel(1)) << "\")\n";
            return kFileFailed;
        }
        pages = BuildTeamPrintout(game, *club);
    }
    io.out << FormatPrintout(pages, {.bold = bold, .columns = io.outIsTerminal});
    io.out.flush();
    return io.out.good() ? kDone : kFileFailed;
}

}  // namespace gridtally
