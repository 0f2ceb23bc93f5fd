#pragma once

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <map>
#include <memory>
#include <vector>

#include "gui/framework/Commands.h"
#include "gui/framework/DocTemplate.h"
#include "gui/framework/RecentFileList.h"

class QAction;
class QMdiArea;
class QMenu;

namespace gridtally::gui {

class ChildFrame;

// The main window: documents in MDI child frames, the document types it knows, the
// recent files, and the actions of the menus and keys, each issuing a command that the
// active view, its window, this window or the program takes.
class MdiMainWindow : public QMainWindow, public CommandTarget {
    Q_OBJECT

public:
    explicit MdiMainWindow(QWidget* parent = nullptr);
    ~MdiMainWindow() override;

    DocTemplate& AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate);
    const std::vector<std::unique_ptr<DocTemplate>>& templates() const { return templates_; }

    // Opens a file with the template of its extension (the first one when none
    // matches); a failure is shown as a message. Returns the new frame or nullptr.
    ChildFrame* OpenDocumentFile(const QString& path);
    ChildFrame* NewDocument(const DocTemplate& docTemplate);
    // The open dialog: every template's filter and "All Files".
    void OnFileOpen();
    QString OpenFilter() const;

    // A document was saved under `frame`'s document's path: its window, the main window's
    // title and the recent files take the new name.
    void DocumentSaved(ChildFrame& frame);

    // Opens the recent file of `index`; one that no longer opens leaves the list.
    ChildFrame* OpenRecentFile(int index);

    ChildFrame* ActiveChild() const;
    QMdiArea* mdiArea() const { return mdiArea_; }
    RecentFileList& recentFiles() { return recent_; }

    // The menus shown while a document of the template with `resourceId` is active;
    // resource 0 is the menu bar with no document open.
    void SetMenus(int resourceId, const QList<QMenu*>& menus);
    int shownMenuResource() const { return shownMenus_; }
    // A key that issues `id` wherever the focus is in this window.
    QAction* AddAccelerator(const QKeySequence& keys, int id);
    // A menu item that issues `id`.
    QAction* AddMenuCommand(QMenu* menu, const QString& text, int id);
    // The action issues `id` when triggered and is enabled while something takes it.
    void BindCommand(QAction* action, int id);

    // Runs `id` in the first of the active view, its window and this window that takes
    // it (without `run`, only asks); false when none does now.
    bool RunCommand(int id, bool run = true);
    // Enables each bound action by whether its command can run now.
    void UpdateActions();

    // Open and the Window menu's commands, then the program's.
    bool TakeCommand(int id, bool run) override;
    void SetApplicationTarget(CommandTarget* application) { application_ = application; }

signals:
    void recentFilesChanged();

protected:
    // Sets the main window's title for the active document; called whenever Qt may have
    // changed it.
    virtual void UpdateFrameTitle() {}

    // Exit closes every document window first; one whose user cancels keeps the program.
    void closeEvent(QCloseEvent* event) override;

private:
    // Hands the frame to the MDI area, which owns it from then on.
    ChildFrame* Show(std::unique_ptr<ChildFrame> frame);
    void ShowMenusOfActiveDocument();
    // What may take a command now, in the order it is asked.
    std::vector<CommandTarget*> Targets();

    std::map<int, QList<QMenu*>> menus_;
    int shownMenus_ = -1;
    QMdiArea* mdiArea_;
    std::vector<std::unique_ptr<DocTemplate>> templates_;
    std::vector<QAction*> actions_;
    RecentFileList recent_{4};
    CommandTarget* application_ = nullptr;
};

}  // namespace gridtally::gui
