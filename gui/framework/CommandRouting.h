#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <vector>

class QAction;

namespace gridtally::gui {

// The command ids of the menus, toolbar and accelerators.
namespace command {
inline constexpr int kFileNew = 0xE100;
inline constexpr int kFileOpen = 0xE101;
inline constexpr int kFileClose = 0xE102;
inline constexpr int kFileSave = 0xE103;
inline constexpr int kFileSaveAs = 0xE104;
inline constexpr int kFilePrintSetup = 0xE106;
inline constexpr int kFilePrint = 0xE107;
inline constexpr int kFilePrintPreview = 0xE109;
inline constexpr int kFileMruFirst = 0xE110;  // the recent files, one id each
inline constexpr int kEditCopy = 0xE122;
inline constexpr int kEditCut = 0xE123;
inline constexpr int kEditFind = 0xE124;
inline constexpr int kEditPaste = 0xE125;
inline constexpr int kEditUndo = 0xE12B;
inline constexpr int kAppAbout = 0xE140;
inline constexpr int kAppExit = 0xE141;
inline constexpr int kNextPane = 0xE150;
inline constexpr int kPreviousPane = 0xE151;
inline constexpr int kViewToolbar = 0xE800;
inline constexpr int kViewStatusBar = 0xE801;
inline constexpr int kNextTab = 0xF006;      // Ctrl+PgDn
inline constexpr int kPreviousTab = 0xF007;  // Ctrl+PgUp
// Commands of our own, past the ranges above.
inline constexpr int kEditExportCsv = 0x8010;
inline constexpr int kEditExportChart = 0x8011;
inline constexpr int kWindowCascade = 0x8020;
inline constexpr int kWindowTile = 0x8021;
inline constexpr int kWindowNext = 0x8022;
inline constexpr int kWindowPrevious = 0x8023;
}  // namespace command

// Something that may handle commands: a view, a document, a frame, the application.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    using Handler = std::function<void()>;
    using Enabler = std::function<bool()>;

    // Handles `id`; `enabled`, when given, says whether it can now.
    void OnCommand(int id, Handler handler, Enabler enabled = {});
    // True when this target handles `id` and can now.
    bool CanHandle(int id) const;
    // Runs the handler; false when this target does not handle `id` now.
    bool Handle(int id) const;

private:
    struct Entry {
        Handler handler;
        Enabler enabled;
    };
    std::map<int, Entry> handlers_;
};

// Sends a command along a route of targets (active view, its document, its frame, the
// main frame, the application), to the first that handles it. An action for a command
// is enabled only while some target on the route handles it.
class CommandRouter : public QObject {
    Q_OBJECT

public:
    using Route = std::function<std::vector<CommandTarget*>()>;
    explicit CommandRouter(Route route, QObject* parent = nullptr)
        : QObject(parent), route_(std::move(route)) {}

    bool Execute(int id) const;
    bool IsEnabled(int id) const;

    // The action issues `id` when triggered.
    void Bind(QAction* action, int id);
    // Enables or disables every bound action by the current route.
    void UpdateActions() const;

private:
    Route route_;
    std::vector<std::pair<QAction*, int>> actions_;
};

}  // namespace gridtally::gui
