#include "gui/framework/MdiMainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "gui/framework/ChildFrame.h"
#include "gui/framework/Dialogs.h"
#include "gui/framework/Document.h"
#include "gui/framework/View.h"

namespace gridtally::gui {

MdiMainWindow::MdiMainWindow(QWidget* parent) : QMainWindow(parent), mdiArea_(new QMdiArea(this)) {
    setCentralWidget(mdiArea_);
    // Next and Previous go through the windows in the order they opened, every one in turn.
    mdiArea_->setActivationOrder(QMdiArea::CreationOrder);
    // What can act depends on the focused view: the toolbar and the keys follow it.
    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateActions(); });
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] {
        ShowMenusOfActiveDocument();
        UpdateActions();
    });
}

bool MdiMainWindow::TakeCommand(int id, bool run) {
    qsizetype windows = mdiArea_->subWindowList().size();
    switch (id) {
        case command::kFileOpen:
            return Take(run, [this] { OnFileOpen(); });
        case command::kWindowCascade:
            return windows > 0 && Take(run, [this] { mdiArea_->cascadeSubWindows(); });
        case command::kWindowTile:
            return windows > 0 && Take(run, [this] { mdiArea_->tileSubWindows(); });
        case command::kWindowNext:
            return windows > 1 && Take(run, [this] { mdiArea_->activateNextSubWindow(); });
        case command::kWindowPrevious:
            return windows > 1 && Take(run, [this] { mdiArea_->activatePreviousSubWindow(); });
        default:
            return application_ && application_->TakeCommand(id, run);
    }
}

std::vector<CommandTarget*> MdiMainWindow::Targets() {
    std::vector<CommandTarget*> targets;
    if (ChildFrame* child = ActiveChild()) {
        if (auto* view = dynamic_cast<CommandTarget*>(child->GetActiveView())) {
            targets.push_back(view);
        }
        targets.push_back(child);
    }
    targets.push_back(this);
    return targets;
}

bool MdiMainWindow::RunCommand(int id, bool run) {
    for (CommandTarget* target : Targets()) {
        if (target->TakeCommand(id, run)) return true;
    }
    return false;
}

void MdiMainWindow::BindCommand(QAction* action, int id) {
    action->setData(id);
    actions_.push_back(action);
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    connect(action, &QObject::destroyed, this, [this, action] { std::erase(actions_, action); });
}

void MdiMainWindow::UpdateActions() {
    for (QAction* action : actions_) action->setEnabled(RunCommand(action->data().toInt(), false));
}

MdiMainWindow::~MdiMainWindow() {
    // The document windows go first, and tell nothing on their way: what derives from
    // this window is gone already. Nor do the actions, which outlive the list of them.
    disconnect(qApp, nullptr, this, nullptr);
    for (QAction* action : actions_) action->disconnect(this);
    actions_.clear();
    disconnect(mdiArea_, nullptr, this, nullptr);
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        disconnect(window, nullptr, this, nullptr);
        window->disconnect();
        delete window;
    }
}

void MdiMainWindow::SetMenus(int resourceId, const QList<QMenu*>& menus) {
    for (QMenu* menu : menus) {
        menu->setParent(this, menu->windowFlags());
        connect(menu, &QMenu::aboutToShow, this, [this] { UpdateActions(); });
    }
    menus_[resourceId] = menus;
    shownMenus_ = -1;
    ShowMenusOfActiveDocument();
}

void MdiMainWindow::ShowMenusOfActiveDocument() {
    ChildFrame* child = ActiveChild();
    int resource = child && child->docTemplate() ? child->docTemplate()->resourceId() : 0;
    if (!menus_.count(resource)) resource = 0;
    if (resource == shownMenus_) return;
    menuBar()->clear();  // takes the menus' actions off the bar; the menus stay ours
    for (QMenu* menu : menus_[resource]) menuBar()->addMenu(menu);
    shownMenus_ = resource;
}

QAction* MdiMainWindow::AddAccelerator(const QKeySequence& keys, int id) {
    auto* action = new QAction(this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    BindCommand(action, id);
    return action;
}

QAction* MdiMainWindow::AddMenuCommand(QMenu* menu, const QString& text, int id) {
    QAction* action = menu->addAction(text);
    BindCommand(action, id);
    return action;
}

DocTemplate& MdiMainWindow::AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate) {
    templates_.push_back(std::move(docTemplate));
    return *templates_.back();
}

QString MdiMainWindow::OpenFilter() const {
    QStringList filters;
    for (const auto& docTemplate : templates_) {
        if (!docTemplate->FilterEntry().isEmpty()) filters << docTemplate->FilterEntry();
    }
    return (filters << QStringLiteral("All Files (*.*)")).join(QStringLiteral(";;"));
}

void MdiMainWindow::OnFileOpen() {
    QStringList files =
        CurrentDialogRunner().GetOpenFileNames(this, tr("Open"), OpenFilter(), true);
    for (const QString& file : files) OpenDocumentFile(file);
}

ChildFrame* MdiMainWindow::OpenDocumentFile(const QString& path) {
    if (templates_.empty()) return nullptr;
    const DocTemplate* chosen = templates_.front().get();
    bool folder = QFileInfo(path).isDir();
    for (const auto& docTemplate : templates_) {
        if (folder ? docTemplate->opensFolders() : docTemplate->MatchesExtension(path)) {
            chosen = docTemplate.get();
            break;
        }
    }
    QString error;
    std::unique_ptr<ChildFrame> frame = chosen->OpenDocumentFile(path, &error);
    if (!frame) {
        ShowFailure(this, tr("Cannot open %1: %2").arg(path, error));
        return nullptr;
    }
    recent_.Add(path);
    emit recentFilesChanged();
    return Show(std::move(frame));
}

void MdiMainWindow::DocumentSaved(ChildFrame& frame) {
    Document* document = frame.document();
    if (!document) return;
    if (!frame.isMaximized()) frame.setWindowTitle(document->title());
    UpdateFrameTitle();
    if (!document->pathName().isEmpty()) {
        recent_.Add(document->pathName());
        emit recentFilesChanged();
    }
}

ChildFrame* MdiMainWindow::OpenRecentFile(int index) {
    if (index < 0 || index >= recent_.files().size()) return nullptr;
    QString path = recent_.files()[index];
    ChildFrame* frame = OpenDocumentFile(path);
    if (!frame) {
        int at = static_cast<int>(recent_.files().indexOf(path));
        if (at >= 0) recent_.Remove(at);
        emit recentFilesChanged();
    }
    return frame;
}

ChildFrame* MdiMainWindow::NewDocument(const DocTemplate& docTemplate) {
    QString error;
    std::unique_ptr<ChildFrame> frame = docTemplate.OpenDocumentFile({}, &error);
    if (!frame) {
        ShowFailure(this, error);
        return nullptr;
    }
    return Show(std::move(frame));
}

ChildFrame* MdiMainWindow::Show(std::unique_ptr<ChildFrame> owned) {
    ChildFrame* frame = owned.release();
    // Maximized, a document window shows no title bar and Qt would add its title to the
    // main window's as " - [title]"; the main window names the document itself, so the
    // document window carries its title only while it has a title bar of its own.
    connect(frame, &QMdiSubWindow::windowStateChanged, this,
            [this, frame](Qt::WindowStates, Qt::WindowStates now) {
                bool maximized = now.testFlag(Qt::WindowMaximized);
                frame->setWindowTitle(maximized || !frame->document() ? QString()
                                                                      : frame->document()->title());
                UpdateFrameTitle();
            });
    frame->setWindowTitle(QString());
    mdiArea_->addSubWindow(frame);
    // Restored from maximized, a window keeps a useful size rather than Qt's smallest.
    frame->resize(mdiArea_->size().expandedTo(QSize(800, 600)) * 3 / 4);
    // A document's window fills the main window, as a tabbed window wants the room.
    frame->showMaximized();
    mdiArea_->setActiveSubWindow(frame);
    ShowMenusOfActiveDocument();
    UpdateActions();
    return frame;
}

void MdiMainWindow::closeEvent(QCloseEvent* event) {
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (!window->close()) {
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}

ChildFrame* MdiMainWindow::ActiveChild() const {
    return dynamic_cast<ChildFrame*>(mdiArea_->activeSubWindow());
}

}  // namespace gridtally::gui
