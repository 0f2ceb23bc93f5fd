#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QLocalServer;

#include "gui/framework/Commands.h"

namespace gridtally::gui {

class CMainFrame;
class CTabFrame;
class DocTemplate;

// The program: its document types, its main window and the commands no window takes.
class CYardbookApp : public CommandTarget {
public:
    // "Gridtally\n\nTurflog\n...": the game log type's seven document strings.
    static const QString kLogDocStrings;
    static constexpr int kLogResource = 128;
    // "Gridtally\n\nPlayDB\n...": the Play DB type's.
    static const QString kPlayDBDocStrings;
    static constexpr int kPlayDBResource = 129;
    static constexpr int kNewPlayDB = 32783;   // "New DB..."
    static constexpr int kOpenSeason = 32784;  // "Open Season..."
    static constexpr int kSeasonResource = 130;
    static const QString kSeasonDocStrings;

    CYardbookApp();
    ~CYardbookApp() override;

    // New DB, Open Season, Print Setup, Exit and About.
    bool TakeCommand(int id, bool run) override;

    // Start-up: the recent files from the settings, the two document types, the main
    // window with its menus and bars, shown with `files` opened in it (none unless the
    // desktop handed some over). It then takes the files later runs hand over.
    bool InitInstance(const QStringList& files = {});

    CMainFrame* mainFrame() const { return mainFrame_.get(); }
    DocTemplate* logDocTemplate = nullptr;     // owned by the main frame
    DocTemplate* playDBDocTemplate = nullptr;  // likewise
    DocTemplate* seasonDocTemplate = nullptr;  // likewise

    // A new, empty Play DB in its window.
    void OnNewPlayDB();
    void OnOpenSeason();
    // Offers to restore the unsaved Play DBs of a program that stopped without saving
    // them; each one declined is discarded.
    void OfferRecovery();

private:
    void ListenForFiles();

    std::unique_ptr<CMainFrame> mainFrame_;
    std::unique_ptr<QLocalServer> server_;
};

// The display the program's windows are on, as the session names it: the X display
// (":0"; a screen number after it is the same display) for "xcb", the Wayland display
// for "wayland"; empty for a platform without one ("offscreen").
QString DisplayName(const QString& platformName);

// Whether `path` is a folder of this user's that no one else may enter; one that does
// not exist is made so. A link, or a folder of another user's or open to others, is not.
bool IsPrivateFolder(const QString& path);

// The socket through which the program on `displayName` takes files from later runs of
// its user and session: $XDG_RUNTIME_DIR/gridtally-DISPLAY, else the same name in
// /tmp/gridtally-UID/. Empty without a display, or when neither folder is private.
QString InstanceServerName(const QString& displayName);
// That of this program's display, or GRIDTALLY_SOCKET when set (tests use their own).
QString InstanceServerName();

// Hands `files` to the program running on this display; false when none runs there.
bool HandFilesToRunningInstance(const QStringList& files);

// The document types, as the program registers them.
std::unique_ptr<DocTemplate> MakeLogDocTemplate();
std::unique_ptr<DocTemplate> MakePlayDBDocTemplate();

// Prints a game's fourteen pages, or a Play DB's four pages of `team`, into a PDF with
// no window shown. Returns the exit status; a failure is told on standard error in one
// line.
int PrintGameToPdf(const QString& logPath, const QString& pdfPath);
std::unique_ptr<DocTemplate> MakeSeasonDocTemplate();
int PrintPlayDBToPdf(const QString& dbPath, const QString& pdfPath, const QString& team);
// A season's seven pages of one club, summed over the plays the filters choose (each an
// option name without its dashes and its list), as `gridtally-cli season` prints them;
// the filter in force stands in the footer.
int PrintSeasonToPdf(const QString& folder, const QString& pdfPath, const QString& team,
                     const QList<QPair<QString, QString>>& filters);

}  // namespace gridtally::gui
