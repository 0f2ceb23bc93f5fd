#include "gui/playdb/PlayDBDoc.h"

#include <sys/stat.h>

#include <QApplication>

#include "core/playdb/PlayDBFile.h"
#include "core/playdb/PlayDBLock.h"
#include "core/text/FileBytes.h"
#include "gui/framework/Dialogs.h"

namespace gridtally::gui {

bool PlayDBDoc::OnOpenDocument(const QString& path, QString* error) {
    std::string bytes;
    std::string reason;
    if (!ReadFileBytes(path.toStdString(), bytes, &reason)) {
        if (error) *error = QString::fromLocal8Bit(reason.c_str());
        return false;
    }
    PlayDBLoadReport report = LoadPlayDB(bytes, *this);
    file_ = IdentityOf(path);
    if (!report.Clean()) {
        damaged_ = true;
        CurrentDialogRunner().ShowMessage(
            nullptr, QApplication::applicationDisplayName(),
            QObject::tr("%1 is damaged or not a Play DB: %2.\n\nIt opens with what could be "
                        "read; saving asks for a new name, so that the file stays as it is.")
                .arg(path, QString::fromStdString(DescribeLoadReport(report))));
    }
    return true;
}

PlayDBDoc::FileIdentity PlayDBDoc::IdentityOf(const QString& path) {
    struct stat info {};
    if (stat(path.toLocal8Bit().constData(), &info) != 0) return {};
    return {true,
            static_cast<unsigned long long>(info.st_dev),
            static_cast<unsigned long long>(info.st_ino),
            static_cast<unsigned long long>(info.st_size),
            static_cast<long long>(info.st_mtim.tv_sec),
            static_cast<long long>(info.st_mtim.tv_nsec)};
}

void PlayDBDoc::RememberFile() { file_ = IdentityOf(pathName()); }

bool PlayDBDoc::ChangedOnDisk() const {
    return !pathName().isEmpty() && file_.exists && !(IdentityOf(pathName()) == file_);
}

bool PlayDBDoc::OnSaveDocument(const QString& path, QString* error) {
    std::string reason;
    // Held only while saving: another writer (db add) waits for it, or it for them.
    auto lock = PlayDBLock::Acquire(path.toStdString(), PlayDBLock::Missing::Create,
                                    PlayDBLockWait(), &reason);
    if (lock && SavePlayDBFile(*this, path.toStdString(), &reason)) return true;
    if (error) *error = QString::fromLocal8Bit(reason.c_str());
    return false;
}

}  // namespace gridtally::gui
