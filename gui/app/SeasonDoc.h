#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/game/GameLog.h"
#include "core/game/PlayFilter.h"
#include "core/playdb/Season.h"
#include "core/text/DataTable.h"
#include "gui/framework/Document.h"

namespace gridtally::gui {

// A season opened in a window: the games of a folder (or of several logs), and, as the
// game model its pages read, one club's figures summed over the plays the filter
// chooses. Choosing another club or filter refills that model and the views follow.
class SeasonDoc : public GameLog, public Document {
public:
    SeasonDoc();

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
    // file that is no game log leaves or is passed over) and files that are gone, then
    // refills once; the views follow, keeping their order and place. Returns what
    // happened to each file that changed the season. A file that cannot be read now is
    // passed over.
    std::vector<std::pair<QString, Season::Change>> Follow(const QStringList& settled,
                                                           const QStringList& removed);

    const Season& season() const { return season_; }
    const std::string& club() const { return club_; }
    const PlayFilter& filter() const { return filter_; }
    void SetClub(const std::string& club);
    void SetFilter(const PlayFilter& filter);
    // The folder, the club and the filter in force, for titles and printed footers.
    QString Described() const;
    // Every play of the season as the play-by-play table shows it (read again from the
    // logs for the statements' text when first asked), and the play of each row.
    const DataTable& PlayRows();
    const std::vector<const Play*>& PlayOfRow() const { return playOfRow_; }

    // How many logs the last reading looked at, and whether it was stopped.
    std::size_t logsRead() const { return read_.read; }
    bool stopped() const { return read_.stopped; }

private:
    void Refill();

    Season season_;
    QString folder_;
    QDateTime readFrom_;
    Season::ReadResult read_;
    std::string club_;
    PlayFilter filter_;
    std::vector<std::int32_t> games_;  // per roster place
    std::optional<DataTable> playRows_;
    std::vector<const Play*> playOfRow_;
};

}  // namespace gridtally::gui
