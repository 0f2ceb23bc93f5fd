#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <map>

namespace gridtally::gui {

// Watches the files of one folder and tells of each file that appeared or changed once
// it has stood unchanged for the settle time (a game may still be writing it), and of
// each file that is gone. The files present when watching starts count as told. While
// the folder itself is gone nothing is told.
class FolderWatch : public QObject {
    Q_OBJECT

public:
    explicit FolderWatch(const QString& folder,
                         std::chrono::milliseconds settle = std::chrono::seconds(1),
                         QObject* parent = nullptr);

    const QString& folder() const { return folder_; }

signals:
    void settled(const QString& path);
    void removed(const QString& path);

private:
    struct Seen {
        qint64 size = -1;
        QDateTime modified;
        QElapsedTimer unchangedFor;
        bool told = false;
    };
    // Looks at the folder's files now; keeps looking while some file has yet to settle.
    void Scan(bool first = false);

    QString folder_;
    std::chrono::milliseconds settle_;
    QFileSystemWatcher watcher_;
    QTimer poll_;
    std::map<QString, Seen> files_;
};

}  // namespace gridtally::gui
