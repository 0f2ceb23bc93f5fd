#include "app/MainFrm.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "app/YardbookApp.h"
#include "framework/ChildFrame.h"
#include "framework/Document.h"

namespace gridtally::gui {

CMainFrame::CMainFrame(QWidget* parent) : MainFrame(parent) {
    setWindowTitle(QStringLiteral("Gridtally"));
    resize(980, 720);
    mdiArea()->setViewMode(QMdiArea::SubWindowView);
    connect(mdiArea(), &QMdiArea::subWindowActivated, this, [this] { UpdateTitle(); });
}

void CMainFrame::UpdateTitle() {
    ChildFrame* child = ActiveChild();
    QString title = QStringLiteral("Gridtally");
    if (child && child->document()) title += QStringLiteral(" - ") + child->document()->title();
    setWindowTitle(title);
}

void CMainFrame::BuildMenus() {
    auto* file = new QMenu(tr("&File"));
    AddMenuCommand(file, tr("&Open...\tCtrl+O"), command::kFileOpen);
    AddMenuCommand(file, tr("&New DB...\tCtrl+N"), CYardbookApp::kNewPlayDB);
    AddMenuCommand(file, tr("&Save\tCtrl+S"), command::kFileSave);
    AddMenuCommand(file, tr("Save &As..."), command::kFileSaveAs);
    file->addSeparator();
    AddMenuCommand(file, tr("&Print...\tCtrl+P"), command::kFilePrint);
    AddMenuCommand(file, tr("Print Pre&view"), command::kFilePrintPreview);
    AddMenuCommand(file, tr("P&rint Setup..."), command::kFilePrintSetup);
    file->addSeparator();
    AddMenuCommand(file, tr("E&xit"), command::kAppExit);

    auto* edit = new QMenu(tr("&Edit"));
    AddMenuCommand(edit, tr("&Copy\tCtrl+C"), command::kEditCopy);
    AddMenuCommand(edit, tr("&Search\tCtrl+F"), command::kEditFind);

    SetMenus(0, {file, edit});
    SetMenus(128, {file, edit});
    SetMenus(CYardbookApp::kPlayDBResource, {file, edit});
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_O), command::kFileOpen);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_P), command::kFilePrint);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_S), command::kFileSave);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_C), command::kEditCopy);
    AddAccelerator(QKeySequence(Qt::CTRL | Qt::Key_Insert), command::kEditCopy);
}

}  // namespace gridtally::gui
