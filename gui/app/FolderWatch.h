#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <map>

namespace gridtally::gui {

// Watches the game logs of one folder (the files a season reads there) and tells, in
// one notice per look, of the files that appeared or changed once they have stood
// unchanged for the settle time (a game may still be writing them) and of the files
// missing for as long. Files present when watching starts count as told, unless
// changed at or after `readFrom` (the time the folder was read: a file written during
// the reading is read again). While the folder itself is gone or cannot be listed, or a
// modal dialog is open, nothing is told.
class FolderWatch : public QObject {
    Q_OBJECT

public:
    explicit FolderWatch(const QString& folder, const QDateTime& readFrom,
                         std::chrono::milliseconds settle = std::chrono::seconds(1),
                         QObject* parent = nullptr);

    const QString& folder() const { return folder_; }

signals:
    void changed(const QStringList& settled, const QStringList& removed);

private:
    struct Seen {
        qint64 size = -1;
        QDateTime modified;
        QElapsedTimer unchangedFor;
        bool told = false;
        bool missing = false;  // not listed since `unchangedFor` started
    };
    // Looks at the folder's files now; keeps looking while some file has yet to settle.
    void Scan();
    void Watch(const QString& path);

    QString folder_;
    std::chrono::milliseconds settle_;
    QFileSystemWatcher watcher_;
    QTimer poll_;
    QTimer safety_;  // a slow look that never stops, for notices the system lost
    std::map<QString, Seen> files_;
    bool folderLost_ = false;
};

}  // namespace gridtally::gui
