#pragma once

#include <QList>

#include "gui/framework/MdiMainWindow.h"

class QLabel;
class QToolBar;

namespace gridtally::gui {

// The program's main window, titled "Gridtally" and then the active document's title:
// the menus of the active document type, the "File" toolbar, the status bar, the
// recent files, and files dropped on it.
class CMainFrame : public MdiMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);

    // Builds menus 128 and 129, the accelerators, the toolbar and the status bar.
    void LoadFrame();

    QToolBar* toolBar() const { return toolBar_; }
    // The menus of a document type: 128 game logs (and no document), 129 Play DBs.
    const QList<QMenu*>& menusOf(int resourceId) const;

    // Showing and hiding the toolbar and the status bar, then the main window's commands.
    bool TakeCommand(int id, bool run) override;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QList<QMenu*> BuildMenus(int resourceId);
    void BuildToolBar();
    void BuildStatusBar();
    void AddAccelerators();
    void FillRecentFiles();
    // The Window menu's entries of the open documents.
    void FillWindowMenu(QMenu& menu);
    void UpdateFrameTitle() override;
    QString Title() const;

    QToolBar* toolBar_ = nullptr;
    QMap<int, QList<QMenu*>> menus_;
    QList<QMenu*> fileMenus_;
};

}  // namespace gridtally::gui
