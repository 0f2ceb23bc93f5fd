#include "gui/playdb/PlayDBDoc.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>

#include "core/playdb/PlayDBFile.h"
#include "core/playdb/PlayDBLock.h"
#include "core/text/FileBytes.h"
#include "gui/framework/Dialogs.h"
#include "gui/framework/ParserMessages.h"

namespace gridtally::gui {

bool PlayDBDoc::OnOpenDocument(const QString& path, QString* error) {
    std::string bytes;
    std::string reason;
    if (!ReadFileBytes(QFile::encodeName(path).toStdString(), bytes, &reason)) {
        if (error) *error = QString::fromLocal8Bit(reason.c_str());
        return false;
    }
    PlayDBLoadReport report = LoadPlayDB(bytes, *this);
    file_ = IdentityOf(path);
    if (!report.Clean()) {
        damaged_ = true;
        ShowFailure(
            nullptr,
            QObject::tr("%1 is damaged or not a Play DB: %2.\n\nIt opens with what could be "
                        "read; saving asks for a new name, so that the file stays as it is.")
                .arg(path, QString::fromStdString(DescribeLoadReport(report))));
    }
    return true;
}

PlayDBDoc::FileIdentity PlayDBDoc::IdentityOf(const QString& path) {
    struct stat info {};
    if (stat(QFile::encodeName(path).constData(), &info) != 0) return {};
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
    auto lock = PlayDBLock::Acquire(QFile::encodeName(path).toStdString(),
                                    PlayDBLock::Missing::Create, PlayDBLockWait(), &reason);
    if (lock && SavePlayDBFile(*this, QFile::encodeName(path).toStdString(), &reason)) return true;
    if (error) *error = QString::fromLocal8Bit(reason.c_str());
    return false;
}

PlayDBDoc::PlayDBDoc() { diagnostics = &ParserMessages(); }

PlayDBDoc::~PlayDBDoc() { RemoveRecovery(); }

QString PlayDBDoc::RecoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

void PlayDBDoc::SetModifiedFlag(bool modified) {
    Document::SetModifiedFlag(modified);
    if (modified) {
        WriteRecovery();
    } else {
        RemoveRecovery();
    }
}

void PlayDBDoc::WriteRecovery() {
    if (recoveryPath_.isEmpty()) {
        // One name per program and DB: "PID-N", so that a copy of a program still
        // running is never taken for a left one.
        static int serial = 0;
        QDir().mkpath(RecoveryFolder());
        recoveryPath_ = RecoveryFolder() + QStringLiteral("/%1-%2").arg(getpid()).arg(++serial);
    }
    // The file it is of first: a copy found without it would be of an unsaved DB.
    QSaveFile original(recoveryPath_ + QStringLiteral(".path"));
    if (original.open(QIODevice::WriteOnly)) {
        original.write(pathName().toUtf8());
        original.commit();
    }
    SavePlayDBFile(*this, QFile::encodeName(recoveryPath_ + QStringLiteral(".pdb")).toStdString(),
                   nullptr);
}

void PlayDBDoc::RemoveRecovery() {
    if (recoveryPath_.isEmpty()) return;
    QFile::remove(recoveryPath_ + QStringLiteral(".pdb"));
    QFile::remove(recoveryPath_ + QStringLiteral(".path"));
    recoveryPath_.clear();
}

std::vector<PlayDBDoc::Recovery> PlayDBDoc::LeftRecoveries() {
    std::vector<Recovery> left;
    QDir folder(RecoveryFolder());
    for (const QString& name :
         folder.entryList({QStringLiteral("*.pdb")}, QDir::Files, QDir::Name)) {
        bool number = false;
        qint64 pid = name.section(QLatin1Char('-'), 0, 0).toLongLong(&number);
        if (!number || (kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)) continue;
        Recovery recovery{folder.filePath(name), {}};
        QFile original(folder.filePath(name.chopped(4) + QStringLiteral(".path")));
        if (original.open(QIODevice::ReadOnly))
            recovery.original = QString::fromUtf8(original.readAll());
        left.push_back(recovery);
    }
    return left;
}

bool PlayDBDoc::Recover(const Recovery& recovery) {
    std::string bytes;
    if (!ReadFileBytes(recovery.copy.toStdString(), bytes, nullptr)) return false;
    LoadPlayDB(bytes, *this);
    if (!recovery.original.isEmpty()) {
        SetPathName(recovery.original);
        file_ = IdentityOf(recovery.original);
    }
    SetModifiedFlag(true);  // a copy of our own from now on
    Forget(recovery);
    return true;
}

void PlayDBDoc::Forget(const Recovery& recovery) {
    QFile::remove(recovery.copy);
    QFile::remove(recovery.copy.chopped(4) + QStringLiteral(".path"));
}

}  // namespace gridtally::gui
