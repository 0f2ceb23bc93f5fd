#include <filesystem>

#include "core/playdb/Season.h"
#include "core/text/Latin1.h"
#include "core/text/Printf.h"

namespace gridtally {

SeasonMeasures MeasureSeason(const Season& season) {
    SeasonMeasures measures;
    for (const SeasonGame& game : season.games()) measures.model.Add(*game.plays);
    measures.model.Fit();
    for (const SeasonGame& game : season.games()) {
        measures.games.push_back(MeasureGame(*game.plays, &measures.model));
    }
    return measures;
}

DataTable DrivesTable(const Season& season, const SeasonMeasures& measures,
                      const PlayFilter& filter) {
    constexpr ColumnType kInt = ColumnType::Integer, kStr = ColumnType::Text;
    DataTable table;
    table.title = "Drives";
    table.columns = {
        {"game", kStr},    {"drive", kInt},       {"offense", kStr},         {"defense", kStr},
        {"quarter", kInt}, {"clock", kInt},       {"start_yard_line", kInt}, {"plays", kInt},
        {"yards", kInt},   {"first_downs", kInt}, {"result", kStr},          {"points", kInt}};
    auto number = [](std::int64_t value, bool read = true) {
        return read ? std::to_string(value) : std::string();
    };
    for (std::size_t g = 0; g < season.games().size(); ++g) {
        const SeasonGame& game = season.games()[g];
        std::string name = FileNameCell(std::filesystem::path(game.file).filename().string());
        for (const Drive& drive : measures.games[g].drives) {
            const Play& first = game.plays->plays[drive.plays.front()];
            if (!filter.Empty() && !filter.Accepts(first)) continue;
            table.rows.push_back(
                {name, number(drive.number), first.offense, first.defense,
                 number(first.quarter, first.quarter > 0), number(first.clock, first.clock >= 0),
                 number(first.yardLine, first.yardLine >= 0),
                 number(static_cast<std::int64_t>(drive.plays.size())), number(drive.yards),
                 number(drive.firstDowns), std::string(DriveResultName(drive.result)),
                 number(drive.points)});
        }
    }
    return table;
}

DataTable EpModelTable(const EpModel& model) {
    constexpr ColumnType kInt = ColumnType::Integer, kStr = ColumnType::Text,
                         kDec = ColumnType::Decimal;
    DataTable table;
    table.title = "EP model";
    table.columns = {{"down", kInt},  {"to_go", kStr},      {"yard_line", kStr},
                     {"plays", kInt}, {"mean_value", kDec}, {"estimate", kDec}};
    auto twoPlaces = [](double value) {
        std::string text = Printf("%.2f", value);
        return text == "-0.00" ? std::string("0.00") : text;
    };
    for (int down = 1; down <= EpModel::kDowns; ++down) {
        for (int bucket = 0; bucket < EpModel::kBuckets; ++bucket) {
            for (int bin = 0; bin < EpModel::kBins; ++bin) {
                const EpModel::Cell& cell = model.At(down, bucket, bin);
                table.rows.push_back(
                    {std::to_string(down),
                     std::string(EpModel::kBucketNames[static_cast<std::size_t>(bucket)]),
                     std::to_string(bin * 10) + "-" + std::to_string(bin * 10 + 9),
                     std::to_string(cell.plays),
                     cell.plays > 0 ? twoPlaces(cell.sum / cell.plays) : std::string(),
                     twoPlaces(cell.estimate)});
            }
        }
    }
    return table;
}

}  // namespace gridtally
