#include "cli/PlaysCommand.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>

#include "cli/SeasonCommand.h"
#include "core/game/PlayTable.h"
#include "core/model/LogReader.h"
#include "core/playdb/Season.h"
#include "core/text/Latin1.h"

namespace gridtally {
namespace {

// The statements' text, read back from a log a statement at a time: a reading keeps per
// play only where its text is, so a season of any size is never held as text.
class StatementTexts {
public:
    ~StatementTexts() { Close(); }

    void Open(const std::string& path) {
        Close();
        // Not blocking, and only a regular file: the log may have been replaced meanwhile.
        fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        struct stat status {};
        if (fd_ >= 0 && (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode))) Close();
    }

    std::string Text(const Play& play) {
        if (fd_ < 0) return {};
        buffer_.resize(play.textLength);
        ssize_t got =
            ::pread(fd_, buffer_.data(), buffer_.size(), static_cast<off_t>(play.textOffset));
        if (got <= 0) return {};
        buffer_.resize(static_cast<std::size_t>(got));
        return StatementText(buffer_, {0, buffer_.size()});
    }

private:
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    int fd_ = -1;
    std::string buffer_;
};

// Every row the filter chooses, in the games' order, made as it is handed on.
template <typename Take>
void EachRow(const Season& season, const SeasonMeasures& measures, const PlayFilter& filter,
             StatementTexts& texts, Take take) {
    for (std::size_t g = 0; g < season.games().size(); ++g) {
        const SeasonGame& game = season.games()[g];
        std::string name = FileNameCell(std::filesystem::path(game.file).filename().string());
        auto playerName = [&](std::int32_t place) {
            if (place < 0 || static_cast<std::size_t>(place) >= game.players.size())
                return std::string();
            return season.players()[game.players[static_cast<std::size_t>(place)]].name;
        };
        texts.Open(game.file);
        for (std::size_t i = 0; i < game.plays->plays.size(); ++i) {
            const Play& play = game.plays->plays[i];
            if (!filter.Empty() && !filter.Accepts(play)) continue;
            take(PlayRowCells(name, *game.plays, play, playerName, texts.Text(play),
                              &measures.games[g].plays[i]));
        }
    }
}

// Reads the logs and names the filter's clubs as the logs do: the status a command that
// goes on ends with (1 when a file was left out), or kUsage for a club that is none.
int ReadForTable(Season& season, const std::vector<std::string>& paths, PlayFilter& filter,
                 Streams io) {
    int status = ReadSeason(season, paths, io.err) == SeasonRead::Whole ? kDone : kFileFailed;
    return ResolveFilterClubs(filter, season.Clubs(), io.err) ? status : kUsage;
}

}  // namespace

int RunPlays(const std::vector<std::string>& paths, const PlayFilter& given, TableFormat format,
             Streams io) {
    Season season;
    PlayFilter filter = given;
    int status = ReadForTable(season, paths, filter, io);
    if (status == kUsage) return kUsage;

    SeasonMeasures measures = MeasureSeason(season);
    DataTable heading = EmptyPlayTable();
    StatementTexts texts;
    ColumnWidths widths;
    bool aligned = format == TableFormat::Text && io.outIsTerminal;
    if (aligned) {
        std::vector<std::string> header;
        for (const DataColumn& column : heading.columns) header.push_back(column.name);
        MeasureRow(widths, header);
        EachRow(season, measures, filter, texts,
                [&](const std::vector<std::string>& row) { MeasureRow(widths, row); });
    }
    TableWriter writer(io.out, format, heading, aligned ? &widths : nullptr);
    EachRow(season, measures, filter, texts,
            [&](const std::vector<std::string>& row) { writer.Row(row); });
    writer.Finish();
    io.out.flush();
    return io.out.good() ? status : kFileFailed;
}

namespace {

// A whole table on `out`, aligned for a person at a terminal.
int WriteTable(const DataTable& table, TableFormat format, Streams io, int status) {
    ColumnWidths widths;
    bool aligned = format == TableFormat::Text && io.outIsTerminal;
    if (aligned) {
        std::vector<std::string> header;
        for (const DataColumn& column : table.columns) header.push_back(column.name);
        MeasureRow(widths, header);
        for (const std::vector<std::string>& row : table.rows) MeasureRow(widths, row);
    }
    TableWriter writer(io.out, format, table, aligned ? &widths : nullptr);
    for (const std::vector<std::string>& row : table.rows) writer.Row(row);
    writer.Finish();
    io.out.flush();
    return io.out.good() ? status : kFileFailed;
}

}  // namespace

int RunDrives(const std::vector<std::string>& paths, const PlayFilter& given, TableFormat format,
              Streams io) {
    Season season;
    PlayFilter filter = given;
    int status = ReadForTable(season, paths, filter, io);
    if (status == kUsage) return kUsage;
    return WriteTable(DrivesTable(season, MeasureSeason(season), filter), format, io, status);
}

int RunEpModel(const std::vector<std::string>& paths, TableFormat format, Streams io) {
    Season season;
    PlayFilter none;
    int status = ReadForTable(season, paths, none, io);
    return WriteTable(EpModelTable(MeasureSeason(season).model), format, io, status);
}

}  // namespace gridtally
