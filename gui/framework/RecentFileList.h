#pragma once

// The recent-file list of the File menu and the program's settings store it lives in.

#include <QSettings>
#include <QStringList>
#include <memory>

namespace gridtally::gui {

// The settings of the program: the organisation and application names its settings
// have always been kept under.
inline constexpr const char* kSettingsOrganisation = "Local AppWizard-Generated Applications";
inline constexpr const char* kSettingsApplication = "Turfa Log Stats";

// The program's settings store (on Linux a file under ~/.config).
inline std::unique_ptr<QSettings> ProgramSettings() {
    return std::make_unique<QSettings>(kSettingsOrganisation, kSettingsApplication);
}

// Where the main window was when the program last closed.
inline constexpr const char* kGeometryKey = "Main Window/Geometry";
// The folder of the file last chosen in a file dialog.
inline constexpr const char* kDialogFolderKey = "File Dialogs/Last Folder";

// The most recently opened files, newest first, at most `size` of them, kept in the
// settings under "Recent File List" as File1, File2, ...
class RecentFileList {
public:
    explicit RecentFileList(int size = 4) : size_(size) {}

    void Add(const QString& path);
    void Remove(int index);
    const QStringList& files() const { return files_; }

    void ReadList(QSettings& settings);
    void WriteList(QSettings& settings) const;

private:
    int size_;
    QStringList files_;
};

}  // namespace gridtally::gui
