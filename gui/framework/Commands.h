#pragma once

// Commands: the ids the menus, the toolbar and the keys issue, and CommandTarget, what a
// view or window implements to take some of them. Qt's actions have no notion of the
// active view answering for them; this is the small interface the main window asks.

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
// Commands of our own, apart from the ranges above and from the program's (32783 New
// DB, 32784 Open Season): one id is one command wherever it is asked for.
inline constexpr int kEditExportCsv = 0xD010;
inline constexpr int kEditExportChart = 0xD011;
inline constexpr int kWindowCascade = 0xD020;
inline constexpr int kWindowTile = 0xD021;
inline constexpr int kWindowNext = 0xD022;
inline constexpr int kWindowPrevious = 0xD023;
}  // namespace command

// A view, a document window, the main window or the program, taking some of the
// commands of the menus, the toolbar and the keys. The main window asks the active view,
// then its window, then itself (which asks the program); the first that takes a command
// runs it, and a command that none takes now is disabled.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // Whether this target takes `id` now; with `run`, it also runs it.
    virtual bool TakeCommand(int id, bool run) = 0;
};

// A case of TakeCommand: runs `action` when asked to, and takes the command.
template <typename Action>
bool Take(bool run, Action&& action) {
    if (run) action();
    return true;
}

}  // namespace gridtally::gui
