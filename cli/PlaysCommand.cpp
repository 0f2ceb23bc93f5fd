#include "cli/PlaysCommand.h"

#include <filesystem>
#include <ostream>

#include "core/game/GameLog.h"
#include "core/game/PlayTable.h"
#include "core/text/Latin1.h"
#include "core/text/LogPaths.h"

namespace gridtally {

int RunPlays(const std::vector<std::string>& paths, const PlayFilter& filter, TableFormat format,
             Streams io) {
    DataTable table = EmptyPlayTable();
    int status = kDone;
    for (const LogPath& file : ExpandLogPaths(paths)) {
        const std::string& path = file.path;
        if (!file.error.empty()) {
            ReportUnreadable(path, file.error, io.err);
            status = kFileFailed;
            continue;
        }
        std::string bytes;
        if (!ReadInputFile(path, bytes, io.err)) {
            status = kFileFailed;
            continue;
        }
        GameLog game;
        game.keepText = false;
        game.keepPlays = true;
        game.diagnostics = &NoDiagnostics();  // the table is the output; messages are not
        game.Load(bytes);
        if (!game.IsGameLog()) {
            ReportNotAGameLog(path, io.err, game.NotAGameLogReason());
            status = kFileFailed;
            continue;
        }
        if (!filter.Empty()) {
            std::erase_if(game.plays.plays,
                          [&](const Play& play) { return !filter.Accepts(play); });
        }
        AppendPlayRows(table, FileNameCell(std::filesystem::path(path).filename().string()), game,
                       bytes);
    }
    io.out << FormatTable(table, format, io.outIsTerminal);
    return status;
}

}  // namespace gridtally
