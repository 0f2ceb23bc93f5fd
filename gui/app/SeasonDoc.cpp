#include "gui/app/SeasonDoc.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <atomic>
#include <filesystem>
#include <thread>

#include "core/game/PlayTable.h"
#include "core/text/FileBytes.h"
#include "core/text/Latin1.h"
#include "gui/framework/ParserMessages.h"

namespace gridtally::gui {

SeasonDoc::SeasonDoc() { diagnostics = &ParserMessages(); }

bool SeasonDoc::OnOpenDocument(const QString& path, QString* error) {
    QFileInfo info(path);
    if (info.isDir()) folder_ = info.absoluteFilePath();
    readFrom_ = QDateTime::currentDateTime();
    return ReadLogs({QFile::encodeName(info.absoluteFilePath()).toStdString()}, error);
}

std::vector<std::pair<QString, Season::Change>> SeasonDoc::Follow(const QStringList& settled,
                                                                  const QStringList& removed) {
    std::vector<std::pair<QString, Season::Change>> changes;
    auto keep = [&](const QString& path, Season::Change change) {
        if (change != Season::Change::None) changes.emplace_back(path, change);
    };
    for (const QString& path : settled) {
        // The name as the file system has it, whatever its encoding.
        std::string file = QFile::encodeName(path).toStdString();
        std::string bytes, why;
        if (ReadFileBytes(file, bytes, &why)) keep(path, season_.Follow(file, bytes));
    }
    for (const QString& path : removed) {
        keep(path, season_.Remove(QFile::encodeName(path).toStdString()));
    }
    if (changes.empty()) return changes;
    playRows_.reset();
    playOfRow_.clear();
    Refill();
    UpdateAllViews(nullptr, UpdateHint::Follow);
    return changes;
}

bool SeasonDoc::ReadLogs(const std::vector<std::string>& paths, QString* error) {
    // The reading is the core's, on threads of its own; this thread keeps the progress
    // window alive and answers its Stop.
    QProgressDialog progress(QObject::tr("Reading the season's game logs..."), QObject::tr("Stop"),
                             0, 0, QApplication::activeWindow());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    std::atomic<std::size_t> done{0};
    std::atomic<std::size_t> total{0};
    std::atomic<bool> stop{false};
    std::atomic<bool> finished{false};
    Season::ReadResult result;
    std::thread reader([&] {
        result = season_.Read(paths, 0, [&](std::size_t files, std::size_t of) {
            done = files;
            total = of;
            return !stop.load();
        });
        finished = true;
    });
    while (!finished) {
        if (progress.wasCanceled()) stop = true;
        progress.setMaximum(static_cast<int>(total.load()));
        progress.setValue(static_cast<int>(done.load()));
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        if (!finished) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    reader.join();
    read_ = result;
    if (season_.games().empty()) {
        if (error) *error = QObject::tr("no game log in it");
        return false;
    }
    std::vector<std::string> clubs = season_.Clubs();
    club_ = clubs.empty() ? std::string() : clubs.front();
    Refill();
    return true;
}

const DataTable& SeasonDoc::PlayRows() {
    if (playRows_) return *playRows_;
    playRows_ = EmptyPlayTable();
    for (const SeasonGame& game : season_.games()) {
        std::string bytes, why;
        ReadFileBytes(game.file, bytes, &why);  // without it the text stays empty
        auto name = [&](std::int32_t place) {
            if (place < 0 || static_cast<std::size_t>(place) >= game.players.size()) {
                return std::string();
            }
            return season_.players()[game.players[static_cast<std::size_t>(place)]].name;
        };
        AppendPlayRows(*playRows_,
                       FileNameCell(std::filesystem::path(game.file).filename().string()),
                       game.plays, name, bytes);
        for (const Play& play : game.plays.plays) playOfRow_.push_back(&play);
    }
    return *playRows_;
}

void SeasonDoc::SetClub(const std::string& club) {
    club_ = club;
    Refill();
    UpdateAllViews(nullptr);
}

void SeasonDoc::SetFilter(const PlayFilter& filter) {
    filter_ = filter;
    Refill();
    UpdateAllViews(nullptr);
}

QString SeasonDoc::Described() const {
    QString text = title();
    if (!club_.empty()) text += QStringLiteral(" - ") + QString::fromLatin1(club_.c_str());
    std::string described = filter_.Describe();
    if (!described.empty()) {
        text += QStringLiteral(" - ") + QString::fromStdString(Latin1ToUtf8(described));
    }
    return text;
}

void SeasonDoc::Refill() {
    std::unique_ptr<SeasonClub> figures = season_.Club(club_, filter_);
    roster.Clear();
    for (const auto& player : figures->roster) roster.Append(std::make_unique<PlayerRec>(*player));
    games_ = figures->games;
    playCalls = std::move(figures->playCalls);
    teamTotals = {figures->totals, TeamTotals()};
    team1Name = club_;
    team2Name.Clear();
    gamesPlayed = [this](const PlayerRec& player) { return games_[roster.IndexOf(&player)]; };
}

}  // namespace gridtally::gui
