#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/game/PlayFilter.h"
#include "core/playdb/Season.h"
#include "gui/app/SeasonWorker.h"
#include "gui/framework/Document.h"

namespace gridtally::gui {

// A season opened in a window: the games of a folder (or of several logs), and the
// figures its club pages read, one club's summed over the plays the filter chooses.
// Choosing another club or filter refills those figures and the views follow.
// Files are read on a worker: the window answers while a log is read, however large,
// and a file that is no regular file is passed over unopened.
class SeasonDoc : public Document {
public:
    SeasonDoc();
    ~SeasonDoc() override;

    // Reads every game log of the folder `path` on the core's threads, with a progress
    // window that can stop the reading (what was read stays). No game at all is refused.
    bool OnOpenDocument(const QString& path, QString* error) override;
    // The same from logs named one by one; for tests and for several files dropped.
    bool ReadLogs(const std::vector<std::string>& paths, QString* error);

    // The folder the season was read from; empty when it was read from logs named.
    const QString& folder() const { return folder_; }
    // When its reading began: a file changed since may have been read half-written.
    const QDateTime& readFrom() const { return readFrom_; }
    // Takes files of the folder as they are now (a game log joins or is read again, a
    // file that is no game log leaves or is passed over) and files that are gone. They
    // are read and the club's figures summed on the worker; then, on this thread, the
    // views follow, keeping their order and place, and `followed` hears what happened
    // to each file that changed the season, and why each file that could not be read
    // (a FIFO, a device, one unreadable) was passed over.
    void Follow(const QStringList& settled, const QStringList& removed);
    using Changes = std::vector<std::pair<QString, Season::Change>>;
    using PassedOver = std::vector<std::pair<QString, QString>>;  // file, why
    std::function<void(const Changes&, const PassedOver&)> followed;
    // Whether files handed to Follow are still being read.
    bool following() const { return worker_.pending() > 0; }

    const Season& season() const { return *season_; }
    // The season as it stands, to be held by what must outlive a change of it.
    std::shared_ptr<const Season> sharedSeason() const { return season_; }
    // The season's drives and expected points, measured with it on the worker.
    std::shared_ptr<const SeasonMeasures> sharedMeasures() const { return measures_; }
    const std::string& club() const { return club_; }
    // The club's figures under the filter, which the club's pages read; the same object
    // for as long as the document lives.
    SeasonClub& figures() { return figures_; }
    const PlayFilter& filter() const { return filter_; }
    // Sums the club's figures over the filter's plays once and refills the views; under
    // the same club the lists keep their order and place.
    void Choose(const std::string& club, const PlayFilter& filter);
    // The folder, the club and the filter in force, for titles and printed footers.
    QString Described() const;
    // The plays, games and filter in words, as the line above the pages says them.
    const std::string& countText() const { return countText_; }

    // How many logs the last reading looked at, and whether it was stopped.
    std::size_t logsRead() const { return read_.read; }
    bool stopped() const { return read_.stopped; }

private:
    // Takes the club's figures into those the pages read.
    void Refill();
    void Refill(SeasonClub& figures);
    // Takes a new state of the season and gives back the old one, which Release lets go
    // on the worker once no page holds it: freeing a large game takes time.
    std::shared_ptr<const Season> Replace(std::shared_ptr<const Season> season,
                                          std::shared_ptr<const SeasonMeasures> measures);
    void Release(std::shared_ptr<const Season> old);

    std::shared_ptr<const Season> season_;
    std::shared_ptr<const SeasonMeasures> measures_;
    QString folder_;
    QDateTime readFrom_;
    Season::ReadResult read_;
    std::string club_;
    PlayFilter filter_;
    SeasonClub figures_{std::string()};
    std::string countText_;
    std::atomic<bool> stop_{false};  // the reading is to stop
    // The season as the jobs given so far leave it: the worker's alone.
    std::shared_ptr<const Season> latest_;
    SeasonWorker worker_;  // last: it stops before what its jobs use goes
};

}  // namespace gridtally::gui
