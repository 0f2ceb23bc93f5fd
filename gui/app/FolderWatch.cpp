#include "gui/app/FolderWatch.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/text/LogPaths.h"

namespace gridtally::gui {
namespace {

// The folder's files that reading it as a season reads, by the core's rule.
QFileInfoList GameLogsIn(const QDir& dir) {
    QFileInfoList logs;
    for (const QFileInfo& info :
         dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
        if (IsGameLogName(QFile::encodeName(info.fileName()).toStdString())) logs.append(info);
    }
    return logs;
}

}  // namespace

FolderWatch::FolderWatch(const QString& folder, const QDateTime& readFrom,
                         std::chrono::milliseconds settle, QObject* parent)
    : QObject(parent), folder_(folder), settle_(settle) {
    // A directory's watch hears files come and go, not a file growing: each file is
    // watched as well. Between the notices, polling sees a file settle.
    poll_.setInterval(std::max<int>(50, static_cast<int>(settle_.count() / 5)));
    safety_.setInterval(std::max<int>(1000, static_cast<int>(settle_.count() * 5)));
    connect(&poll_, &QTimer::timeout, this, &FolderWatch::Scan);
    connect(&safety_, &QTimer::timeout, this, &FolderWatch::Scan);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::Scan);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &FolderWatch::Scan);
    watcher_.addPath(folder_);
    safety_.start();

    const QFileInfoList found = GameLogsIn(QDir(folder_));
    for (const QFileInfo& info : found) {
        Seen& seen = files_[info.absoluteFilePath()];
        seen.size = info.size();
        seen.modified = info.lastModified();
        seen.unchangedFor.start();
        seen.told = seen.modified < readFrom;
        Watch(info.absoluteFilePath());
    }
    Scan();
}

void FolderWatch::Watch(const QString& path) {
    // Again at every change: a file written anew under its name is another file, whose
    // old watch may still be listed.
    watcher_.removePath(path);
    watcher_.addPath(path);
}

void FolderWatch::Scan() {
    // Not under a dialog that waits for the user: what it shows must stay as it is.
    if (QApplication::activeModalWidget()) {
        poll_.start();
        return;
    }
    QDir dir(folder_);
    QFileInfo folderInfo(folder_);
    // A folder gone (renamed, its drive unmounted) or that cannot be listed is not a
    // folder emptied: the files stay as told until it is back, then watched anew.
    if (!folderInfo.isDir() || !folderInfo.isReadable()) {
        folderLost_ = true;
        poll_.start();
        return;
    }
    if (folderLost_) {
        folderLost_ = false;
        if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
        watcher_.removePath(folder_);
        watcher_.addPath(folder_);
        for (const auto& [path, seen] : files_) watcher_.addPath(path);
    }

    const QFileInfoList found = GameLogsIn(dir);
    std::map<QString, Seen> now;
    for (const QFileInfo& info : found) {
        QString path = info.absoluteFilePath();
        auto known = files_.find(path);
        Seen seen;
        if (known != files_.end()) seen = known->second;
        bool same = known != files_.end() && seen.size == info.size() &&
                    seen.modified == info.lastModified();
        if (same && seen.missing) {
            seen.missing = false;  // back as it was: nothing happened
        } else if (!same) {
            Watch(path);
            seen.size = info.size();
            seen.modified = info.lastModified();
            seen.unchangedFor.start();
            seen.told = false;
            seen.missing = false;
        }
        now.emplace(path, seen);
    }
    for (auto& [path, seen] : files_) {
        if (now.count(path) != 0) continue;
        if (!seen.missing) {
            seen.missing = true;
            seen.unchangedFor.start();
        }
        now.emplace(path, seen);
    }

    QStringList settled, removed;
    bool waiting = false;
    for (auto at = now.begin(); at != now.end();) {
        Seen& seen = at->second;
        bool ripe = seen.unchangedFor.isValid() && seen.unchangedFor.elapsed() >= settle_.count();
        if (seen.missing && ripe) {
            removed.append(at->first);
            at = now.erase(at);
            continue;
        }
        if (!seen.missing && !seen.told && ripe) {
            seen.told = true;
            settled.append(at->first);
        }
        waiting = waiting || seen.missing || !seen.told;
        ++at;
    }
    files_ = std::move(now);
    if (waiting && !poll_.isActive()) poll_.start();
    if (!waiting) poll_.stop();
    if (!settled.isEmpty() || !removed.isEmpty()) emit changed(settled, removed);
}

}  // namespace gridtally::gui
