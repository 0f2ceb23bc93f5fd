#include "gui/app/SeasonDoc.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>

#include "core/text/FileBytes.h"
#include "core/text/Latin1.h"

namespace gridtally::gui {

SeasonDoc::SeasonDoc()
    : season_(std::make_shared<const Season>()),
      measures_(std::make_shared<const SeasonMeasures>()) {}

SeasonDoc::~SeasonDoc() { stop_ = true; }

bool SeasonDoc::OnOpenDocument(const QString& path, QString* error) {
    QFileInfo info(path);
    if (info.isDir()) folder_ = info.absoluteFilePath();
    readFrom_ = QDateTime::currentDateTime();
    return ReadLogs({QFile::encodeName(info.absoluteFilePath()).toStdString()}, error);
}

void SeasonDoc::Follow(const QStringList& settled, const QStringList& removed) {
    // The names as the file system has them, whatever their encoding.
    std::vector<std::string> files, gone;
    for (const QString& path : settled) files.push_back(QFile::encodeName(path).toStdString());
    for (const QString& path : removed) gone.push_back(QFile::encodeName(path).toStdString());
    worker_.Run([this, settled, removed, files, gone, club = club_,
                 filter = filter_]() -> std::function<void()> {
        auto next = latest_ ? std::make_shared<Season>(*latest_) : std::make_shared<Season>();
        Changes changes;
        PassedOver passed;
        auto keep = [&](const QString& path, Season::Change change) {
            if (change != Season::Change::None) changes.emplace_back(path, change);
        };
        for (std::size_t i = 0; i < files.size(); ++i) {
            std::string bytes, why;
            const QString& path = settled[static_cast<qsizetype>(i)];
            if (ReadFileBytes(files[i], bytes, &why)) {
                keep(path, next->Follow(files[i], std::move(bytes)));
            } else {
                passed.emplace_back(path, QString::fromLocal8Bit(why.c_str()));
            }
        }
        for (std::size_t i = 0; i < gone.size(); ++i) {
            keep(removed[static_cast<qsizetype>(i)], next->Remove(gone[i]));
        }
        if (changes.empty()) {
            if (passed.empty()) return {};
            return [this, passed] {
                if (followed) followed({}, passed);
            };
        }
        latest_ = next;
        auto measures = std::make_shared<const SeasonMeasures>(MeasureSeason(*next));
        auto figures = std::shared_ptr<SeasonClub>(next->Club(club, filter));
        std::string count = next->CountText(filter, club);
        return [this, next, measures, changes, passed, club, filter, figures, count] {
            std::shared_ptr<const Season> old = Replace(next, measures);
            // The user may have chosen another club or filter meanwhile.
            if (club == club_ && filter.Describe() == filter_.Describe()) {
                countText_ = count;
                Refill(*figures);
            } else {
                Refill();
            }
            UpdateAllViews(nullptr, UpdateHint::Follow);
            if (followed) followed(changes, passed);
            Release(std::move(old));  // now that no page holds it
        };
    });
}

bool SeasonDoc::ReadLogs(const std::vector<std::string>& paths, QString* error) {
    // The core reads on threads of its own, started from the worker; this thread keeps
    // the progress window alive and answers its Stop.
    QProgressDialog progress(QObject::tr("Reading the season's game logs..."), QObject::tr("Stop"),
                             0, 0, QApplication::activeWindow());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QEventLoop waiting;
    QObject* window = &progress;
    stop_ = false;
    worker_.Run([this, paths, window, &progress, &waiting]() -> std::function<void()> {
        auto season = std::make_shared<Season>();
        season->keepFileBytes = true;
        Season::ReadResult result =
            season->Read(paths, 0, [&](std::size_t done, std::size_t total) {
                QMetaObject::invokeMethod(
                    window,
                    [this, &progress, done, total] {
                        if (progress.wasCanceled()) stop_ = true;
                        progress.setMaximum(static_cast<int>(total));
                        progress.setValue(static_cast<int>(done));
                    },
                    Qt::QueuedConnection);
                return !stop_.load();
            });
        latest_ = season;
        auto measures = std::make_shared<const SeasonMeasures>(MeasureSeason(*season));
        return [this, season, measures, result, &waiting] {
            Release(Replace(season, measures));
            read_ = result;
            waiting.quit();
        };
    });
    waiting.exec();
    if (season_->games().empty()) {
        // What kept each log out, when there were logs.
        QStringList reasons;
        for (const Failure& failure : read_.failures) {
            reasons << QStringLiteral("%1: %2").arg(QFile::decodeName(failure.path.c_str()),
                                                    QString::fromLocal8Bit(failure.reason.c_str()));
        }
        if (error) {
            *error = reasons.isEmpty() ? QObject::tr("no game log in it")
                                       : QObject::tr("no game log could be read in it:\n\n%1")
                                             .arg(reasons.join(QLatin1Char('\n')));
        }
        return false;
    }
    std::vector<std::string> clubs = season_->Clubs();
    club_ = clubs.empty() ? std::string() : clubs.front();
    Refill();
    return true;
}

void SeasonDoc::Choose(const std::string& club, const PlayFilter& filter) {
    bool sameClub = club == club_;
    club_ = club;
    filter_ = filter;
    Refill();
    UpdateAllViews(nullptr, sameClub ? UpdateHint::Follow : UpdateHint::Refill);
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

std::shared_ptr<const Season> SeasonDoc::Replace(std::shared_ptr<const Season> season,
                                                 std::shared_ptr<const SeasonMeasures> measures) {
    measures_ = std::move(measures);
    std::swap(season_, season);
    return season;
}

void SeasonDoc::Release(std::shared_ptr<const Season> old) {
    worker_.Run([old = std::move(old)]() mutable -> std::function<void()> {
        old.reset();
        return {};
    });
}

void SeasonDoc::Refill() {
    countText_ = season_->CountText(filter_, club_);
    Refill(*season_->Club(club_, filter_));
}

void SeasonDoc::Refill(SeasonClub& figures) { figures_.Take(std::move(figures)); }

}  // namespace gridtally::gui
