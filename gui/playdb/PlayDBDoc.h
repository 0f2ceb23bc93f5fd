#pragma once

#include <QString>

#include "core/playdb/PlayDB.h"
#include "gui/framework/Document.h"

namespace gridtally::gui {

// A Play DB opened in a window: the season's play calls and club totals, read from and
// saved to a *.pdb file.
class PlayDBDoc : public PlayDB, public Document {
public:
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

    bool damaged_ = false;
    FileIdentity file_;
};

}  // namespace gridtally::gui
