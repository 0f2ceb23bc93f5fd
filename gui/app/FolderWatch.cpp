#include "gui/app/FolderWatch.h"

#include <QDir>
#include <QFileInfo>

namespace gridtally::gui {

FolderWatch::FolderWatch(const QString& folder, std::chrono::milliseconds settle, QObject* parent)
    : QObject(parent), folder_(folder), settle_(settle) {
    // A directory's watch hears files come and go, not a file growing: each file is
    // watched as well. Between the notices, polling sees a file settle.
    poll_.setInterval(std::max<int>(50, static_cast<int>(settle_.count() / 5)));
    connect(&poll_, &QTimer::timeout, this, [this] { Scan(); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { Scan(); });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { Scan(); });
    watcher_.addPath(folder_);
    Scan(true);
}

void FolderWatch::Scan(bool first) {
    QDir dir(folder_);
    // A folder gone (renamed, its drive unmounted) is not a folder emptied: the files
    // stay as told until it is back, and then it is watched again.
    if (!dir.exists()) {
        if (!poll_.isActive()) poll_.start();
        return;
    }
    if (!watcher_.directories().contains(folder_)) watcher_.addPath(folder_);
    const QFileInfoList found =
        dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    std::map<QString, Seen> now;
    bool unsettled = false;
    for (const QFileInfo& info : found) {
        QString path = info.absoluteFilePath();
        auto known = files_.find(path);
        Seen seen;
        if (known != files_.end()) seen = known->second;
        if (known == files_.end() || seen.size != info.size() ||
            seen.modified != info.lastModified()) {
            watcher_.addPath(path);  // again, when it was written anew under its name
            seen.size = info.size();
            seen.modified = info.lastModified();
            seen.unchangedFor.start();
            seen.told = first;
        }
        if (!seen.told && seen.unchangedFor.elapsed() >= settle_.count()) {
            seen.told = true;
            emit settled(path);
        }
        unsettled = unsettled || !seen.told;
        now.emplace(path, seen);
    }
    for (const auto& [path, seen] : files_) {
        if (now.count(path) == 0) emit removed(path);
    }
    files_ = std::move(now);
    if (unsettled && !poll_.isActive()) poll_.start();
    if (!unsettled) poll_.stop();
}

}  // namespace gridtally::gui
