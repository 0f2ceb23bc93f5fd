#include "gui/framework/RecentFileList.h"

#include <QFileInfo>

namespace gridtally::gui {

void RecentFileList::Add(const QString& path) {
    QString absolute = QFileInfo(path).absoluteFilePath();
    files_.removeAll(absolute);
    files_.prepend(absolute);
    while (files_.size() > size_) files_.removeLast();
}

void RecentFileList::Remove(int index) {
    if (index >= 0 && index < files_.size()) files_.removeAt(index);
}

void RecentFileList::ReadList(QSettings& settings) {
    files_.clear();
    settings.beginGroup(QStringLiteral("Recent File List"));
    for (int i = 1; i <= size_; ++i) {
        QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty()) files_ << file;
    }
    settings.endGroup();
}

void RecentFileList::WriteList(QSettings& settings) const {
    settings.beginGroup(QStringLiteral("Recent File List"));
    settings.remove(QString());
    for (int i = 0; i < files_.size(); ++i) {
        settings.setValue(QStringLiteral("File%1").arg(i + 1), files_[i]);
    }
    settings.endGroup();
}

}  // namespace gridtally::gui
