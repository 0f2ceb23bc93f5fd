#pragma once

#include <QString>
#include <vector>

#include "core/playdb/PlayDB.h"
#include "gui/framework/Document.h"

namespace gridtally::gui {

// A Play DB opened in a window: the season's play calls and club totals, read from and
// saved to a *.pdb file.
class PlayDBDoc : public PlayDB, public Document {
public:
    PlayDBDoc();
    // A DB closed without saving takes its recovery copy with it.
    ~PlayDBDoc() override;

    // While there are unsaved changes a recovery copy of the DB is kept (written whole
    // after each change) in the user's data folder, so that a crash loses nothing; a
    // save, or discarding the changes, removes it.
    void SetModifiedFlag(bool modified = true) override;

    // The recovery copies left by programs that are gone: the copy and the file it was
    // of (empty for a DB never saved).
    struct Recovery {
        QString copy;
        QString original;
    };
    static std::vector<Recovery> LeftRecoveries();
    // Takes a recovered DB's records and its file's path; the copy then goes.
    bool Recover(const Recovery& recovery);
    static void Forget(const Recovery& recovery);
    static QString RecoveryFolder();

    // Reads the file. One that did not load cleanly opens with what could be read,
    // after a message saying what was wrong; it is then never saved over unasked.
    bool OnOpenDocument(const QString& path, QString* error) override;
    // Writes the whole DB to `path`, replacing the file only once all is written.
    bool OnSaveDocument(const QString& path, QString* error) override;

    // The file did not load cleanly: a save must ask for a name first.
    bool damaged() const { return damaged_; }
    // Written whole to `path`: from now on the document is that file, its name and
    // path, and no longer damaged.
    void SavedAs(const QString& path) {
        SetPathName(path);
        damaged_ = false;
        RememberFile();
    }
    // Whether the file at the document's path is no longer the one read or last saved:
    // another program wrote it meanwhile.
    bool ChangedOnDisk() const;

private:
    // What the file looked like when it was read or saved.
    void RememberFile();
    struct FileIdentity {
        bool exists = false;
        unsigned long long device = 0, inode = 0, size = 0;
        long long modifiedSeconds = 0, modifiedNanoseconds = 0;
        bool operator==(const FileIdentity&) const = default;
    };
    static FileIdentity IdentityOf(const QString& path);

    void WriteRecovery();
    void RemoveRecovery();

    bool damaged_ = false;
    FileIdentity file_;
    QString recoveryPath_;  // this DB's copy, once written
};

}  // namespace gridtally::gui
