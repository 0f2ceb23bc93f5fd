#include "gui/app/MainFrm.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

#include "gui/app/AppIcon.h"
#include "gui/app/YardbookApp.h"
#include "gui/framework/ChildFrame.h"
#include "gui/framework/Document.h"
#include "gui/framework/RecentFileList.h"

namespace gridtally::gui {
namespace {

constexpr int kMostRecentFiles = 4;

struct MenuItem {
    const char* text;  // empty: a separator
    int id;
    const char* help;  // shown in the status bar while the item is hovered
    // The key the item shows; the window's accelerators are what answer it.
    QKeySequence keys = {};
};

}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : MdiMainWindow(parent) {
    setWindowTitle(QStringLiteral("Gridtally"));
    setWindowIcon(AppIcon());
    resize(980, 720);
    setAcceptDrops(true);
    mdiArea()->setViewMode(QMdiArea::SubWindowView);
    connect(mdiArea(), &QMdiArea::subWindowActivated, this, [this] { UpdateFrameTitle(); });
    connect(this, &MdiMainWindow::recentFilesChanged, this, [this] {
        std::unique_ptr<QSettings> settings = ProgramSettings();
        recentFiles().WriteList(*settings);
        FillRecentFiles();
    });
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    MdiMainWindow::closeEvent(event);
    if (event->isAccepted()) ProgramSettings()->setValue(kGeometryKey, saveGeometry());
}

QString CMainFrame::Title() const {
    ChildFrame* child = ActiveChild();
    QString title = QStringLiteral("Gridtally");
    if (child && child->document()) title += QStringLiteral(" - ") + child->document()->title();
    return title;
}

void CMainFrame::UpdateFrameTitle() { setWindowTitle(Title()); }

const QList<QMenu*>& CMainFrame::menusOf(int resourceId) const {
    static const QList<QMenu*> none;
    auto found = menus_.find(resourceId);
    return found == menus_.end() ? none : *found;
}

QList<QMenu*> CMainFrame::BuildMenus(int resourceId) {
    // In a Play DB window "&Print..." issues Print Setup; Ctrl+P still prints.
    int printItem = resourceId == CYardbookApp::kPlayDBResource ? command::kFilePrintSetup
                                                                : command::kFilePrint;
    const std::vector<std::pair<const char*, std::vector<MenuItem>>> layout = {
        {"&File",
         {{"&Open...", command::kFileOpen, "Open a game log or a Play DB", QKeySequence::Open},
          {"Open &Season...", CYardbookApp::kOpenSeason,
           "Open a folder of game logs as a season: every club's pages summed, in any situation"},
          {"&New DB...", CYardbookApp::kNewPlayDB, "Make a new, empty Play DB", QKeySequence::New},
          {"&Save", command::kFileSave, "Save the Play DB", QKeySequence::Save},
          {"Save &As...", command::kFileSaveAs, "Save the Play DB under a new name"},
          {"&Close", command::kFileClose, "Close the active window",
           QKeySequence(Qt::CTRL | Qt::Key_W)},
          {"", 0, ""},
          {"&Print...", printItem, "Print the whole game or the club's Play DB pages",
           QKeySequence::Print},
          {"Print Pre&view", command::kFilePrintPreview, "Show the pages as they will print"},
          {"P&rint Setup...", command::kFilePrintSetup, "Choose the printer and the paper"},
          {"", 0, ""},
          {"Recent File", command::kFileMruFirst, "Open this file"},
          {"", 0, ""},
          {"E&xit", command::kAppExit, "Quit the program; it asks about unsaved changes"}}},
        {"&Edit",
         {{"&Undo", command::kEditUndo, "Undo the last change", QKeySequence::Undo},
          {"", 0, ""},
          {"Cu&t", command::kEditCut, "Cut the selection to the clipboard", QKeySequence::Cut},
          {"&Copy", command::kEditCopy, "Copy the selection to the clipboard", QKeySequence::Copy},
          {"&Export CSV...", command::kEditExportCsv,
           "Write the page as a CSV file that spreadsheets open"},
          {"Export C&hart...", command::kEditExportChart,
           "Write the chart beside the page as a PNG or SVG picture"},
          {"&Paste", command::kEditPaste, "Insert the clipboard", QKeySequence::Paste},
          {"&Search", command::kEditFind, "Find text in the log", QKeySequence::Find}}},
        {"&View",
         {{"&Toolbar", command::kViewToolbar, "Show or hide the toolbar"},
          {"&Status Bar", command::kViewStatusBar, "Show or hide the status bar"}}},
        {"&Window",
         {{"&Cascade", command::kWindowCascade, "Arrange the windows so they overlap"},
          {"&Tile", command::kWindowTile, "Arrange the windows side by side"},
          {"Ne&xt", command::kWindowNext, "Go to the next window",
           QKeySequence(Qt::CTRL | Qt::Key_Tab)},
          {"Pre&vious", command::kWindowPrevious, "Go to the previous window",
           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)}}},
        {"&Help",
         {{"&About Gridtally...", command::kAppAbout, "The program, its version, its terms"}}},
    };
    QList<QMenu*> menus;
    for (const auto& [title, items] : layout) {
        auto* menu = new QMenu(tr(title));
        for (const MenuItem& item : items) {
            if (*item.text == '\0') {
                menu->addSeparator();
                continue;
            }
            QAction* action = AddMenuCommand(menu, tr(item.text), item.id);
            action->setStatusTip(tr(item.help));
            // Shown beside the item; answered only inside the open menu, so that it never
            // competes with the accelerator of the same key.
            action->setShortcut(item.keys);
            action->setShortcutContext(Qt::WidgetShortcut);
            if (item.id == command::kViewToolbar || item.id == command::kViewStatusBar) {
                action->setCheckable(true);
                action->setChecked(true);
            }
            if (item.id == command::kFileMruFirst) action->setObjectName("recentFiles");
        }
        if (std::string_view(title) == "&File") fileMenus_ << menu;
        if (std::string_view(title) == "&Window") {
            menu->setObjectName(QStringLiteral("windowMenu"));
            menu->addSeparator();
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillWindowMenu(*menu); });
        }
        menus << menu;
    }
    return menus;
}

void CMainFrame::FillRecentFiles() {
    // The entries stand where the "Recent File" item is: one numbered item per file,
    // or that item, disabled, while the list is empty.
    const QStringList& files = recentFiles().files();
    for (QMenu* menu : fileMenus_) {
        QList<QAction*> actions = menu->actions();
        QAction* placeholder = nullptr;
        for (QAction* action : actions) {
            if (action->objectName() == QLatin1String("recentFiles")) placeholder = action;
            if (action->objectName() == QLatin1String("recentFile")) {
                menu->removeAction(action);
                action->deleteLater();
            }
        }
        if (!placeholder) continue;
        placeholder->setVisible(files.isEmpty());
        for (int i = 0; i < files.size() && i < kMostRecentFiles; ++i) {
            auto* entry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]), menu);
            entry->setObjectName(QStringLiteral("recentFile"));
            entry->setStatusTip(tr("Open this file"));
            connect(entry, &QAction::triggered, this, [this, i] { OpenRecentFile(i); });
            menu->insertAction(placeholder, entry);
        }
    }
}

void CMainFrame::AddAccelerators() {
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), command::kFileNew},  // handled by nothing
        {QKeySequence(Qt::CTRL | Qt::Key_O), command::kFileOpen},
        {QKeySequence(Qt::CTRL | Qt::Key_S), command::kFileSave},
        {QKeySequence(Qt::CTRL | Qt::Key_P), command::kFilePrint},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), command::kEditUndo},
        {QKeySequence(Qt::CTRL | Qt::Key_X), command::kEditCut},
        {QKeySequence(Qt::CTRL | Qt::Key_C), command::kEditCopy},
        {QKeySequence(Qt::CTRL | Qt::Key_V), command::kEditPaste},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), command::kEditUndo},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), command::kEditCut},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), command::kEditCopy},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), command::kEditPaste},
        {QKeySequence(Qt::Key_F6), command::kNextPane},
        {QKeySequence(Qt::CTRL | Qt::Key_F), command::kEditFind},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), command::kNextTab},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), command::kPreviousTab},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), command::kPreviousPane},
        // Bound here, not left to the MDI area, whose own keys switch by recent use and so
        // between the two windows used last.
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), command::kWindowNext},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), command::kWindowPrevious},
    };
    // Ctrl+W (Close) is not among them: each document window has it already, and a
    // second binding would make the key do nothing at all.
    for (const auto& [sequence, id] : keys) AddAccelerator(sequence, id);
}

void CMainFrame::BuildToolBar() {
    toolBar_ = new QToolBar(tr("File"), this);
    toolBar_->setObjectName(QStringLiteral("fileToolBar"));
    QStyle* style = this->style();
    struct Button {
        int id;
        const char* theme;
        QStyle::StandardPixmap fallback;
        const char* text;
    };
    const Button buttons[] = {
        {command::kFileOpen, "document-open", QStyle::SP_DialogOpenButton, "Open"},
        {command::kFileSave, "document-save", QStyle::SP_DialogSaveButton, "Save"},
        {0, nullptr, {}, nullptr},
        {command::kEditCopy, "edit-copy", QStyle::SP_FileDialogContentsView, "Copy"},
        {command::kEditFind, "edit-find", QStyle::SP_FileDialogDetailedView, "Search"},
        {0, nullptr, {}, nullptr},
        {command::kFilePrint, "document-print", QStyle::SP_DesktopIcon, "Print"},
        {command::kAppAbout, "help-about", QStyle::SP_MessageBoxInformation, "About"},
    };
    for (const Button& button : buttons) {
        if (!button.text) {
            toolBar_->addSeparator();
            continue;
        }
        QIcon icon = ToolIcon(QLatin1String(button.theme));
        if (icon.isNull()) icon = style->standardIcon(button.fallback);
        QAction* action = toolBar_->addAction(icon, tr(button.text));
        action->setStatusTip(tr(button.text));
        BindCommand(action, button.id);
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->showMessage(tr("Ready"));
    // Back to "Ready" whenever a hovered item's help goes away.
    connect(bar, &QStatusBar::messageChanged, bar, [bar, this](const QString& text) {
        if (text.isEmpty()) bar->showMessage(tr("Ready"));
    });
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* label = new QLabel(QLatin1String(indicator), bar);
        label->setObjectName(QLatin1String(indicator));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        label->setAlignment(Qt::AlignCenter);
        label->setEnabled(false);  // the lock keys' states are not known here
        bar->addPermanentWidget(label);
    }
}

void CMainFrame::LoadFrame() {
    menus_[0] = BuildMenus(CYardbookApp::kLogResource);
    menus_[CYardbookApp::kPlayDBResource] = BuildMenus(CYardbookApp::kPlayDBResource);
    SetMenus(0, menus_[0]);
    SetMenus(CYardbookApp::kLogResource, menus_[0]);
    SetMenus(CYardbookApp::kPlayDBResource, menus_[CYardbookApp::kPlayDBResource]);
    SetMenus(CYardbookApp::kSeasonResource, menus_[0]);
    AddAccelerators();
    BuildToolBar();
    BuildStatusBar();
    FillRecentFiles();
}

bool CMainFrame::TakeCommand(int id, bool run) {
    if (id == command::kViewToolbar) {
        return Take(run, [this] { toolBar_->setVisible(!toolBar_->isVisible()); });
    }
    if (id == command::kViewStatusBar) {
        return Take(run, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    }
    return MdiMainWindow::TakeCommand(id, run);
}

void CMainFrame::FillWindowMenu(QMenu& menu) {
    // The open documents follow the last separator, the active one checked.
    QList<QAction*> actions = menu.actions();
    for (QAction* action : actions) {
        if (action->objectName() == QLatin1String("openWindow")) {
            menu.removeAction(action);
            action->deleteLater();
        }
    }
    QList<QMdiSubWindow*> windows = mdiArea()->subWindowList();
    for (int i = 0; i < windows.size(); ++i) {
        auto* child = dynamic_cast<ChildFrame*>(windows[i]);
        QString title = child && child->document() ? child->document()->title() : QString();
        auto* entry = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(title));
        entry->setObjectName(QStringLiteral("openWindow"));
        entry->setCheckable(true);
        entry->setChecked(windows[i] == mdiArea()->activeSubWindow());
        QMdiSubWindow* window = windows[i];
        connect(entry, &QAction::triggered, this, [this, window] {
            if (mdiArea()->subWindowList().contains(window)) mdiArea()->setActiveSubWindow(window);
        });
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) OpenDocumentFile(url.toLocalFile());
    }
    event->acceptProposedAction();
}

}  // namespace gridtally::gui
