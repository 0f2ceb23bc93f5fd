#include "gui/framework/ChildFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QStackedWidget>
#include <QTabWidget>

#include "gui/framework/Dialogs.h"
#include "gui/framework/Document.h"
#include "gui/framework/TabWindow.h"
#include "gui/framework/View.h"

namespace gridtally::gui {

ChildFrame::ChildFrame(QWidget* parent) : QMdiSubWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
}

bool ChildFrame::TakeCommand(int id, bool run) {
    switch (id) {
        case command::kFileClose:
            return Take(run, [this] { close(); });
        case command::kNextTab:
            return Take(run, [this] { StepTab(1); });
        case command::kPreviousTab:
            return Take(run, [this] { StepTab(-1); });
        default:
            return false;
    }
}

void ChildFrame::StepTab(int step) {
    // The row of tabs around the focus, else the window's first: Ctrl+PgDn in a page
    // goes to that page's neighbour, as a tab widget does for any child of its own.
    QWidget* focus = focusWidget();
    TabWindow* tabs = nullptr;
    for (QWidget* w = focus; w && w != this && !tabs; w = w->parentWidget()) {
        tabs = qobject_cast<TabWindow*>(w);
    }
    if (!tabs && widget()) {
        tabs = qobject_cast<TabWindow*>(widget());
        if (!tabs) tabs = widget()->findChild<TabWindow*>();
    }
    if (!tabs || tabs->count() == 0) return;
    QWidget* page = tabs->currentWidget();
    bool inPage = focus && page && page->isAncestorOf(focus);
    tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) % tabs->count());
    if (inPage) tabs->FocusPage();  // the focus goes on with the page, not elsewhere
}

ChildFrame::~ChildFrame() {
    // The views go with the widgets; detach them first so the document outlives none.
    if (document_) {
        std::vector<View*> views = document_->views();
        for (View* view : views) view->AttachTo(nullptr);
    }
}

void ChildFrame::closeEvent(QCloseEvent* event) {
    if (document_ && document_->IsModified()) {
        switch (CurrentDialogRunner().AskSaveChanges(this, QApplication::applicationDisplayName(),
                                                     document_->title())) {
            case DialogRunner::SaveChoice::Cancel:
                event->ignore();
                return;
            case DialogRunner::SaveChoice::Save:
                if (!SaveForClose()) {
                    event->ignore();
                    return;
                }
                break;
            case DialogRunner::SaveChoice::Discard:
                break;
        }
    }
    QMdiSubWindow::closeEvent(event);
}

View* ChildFrame::GetActiveView() const {
    // The focus may have stayed on a view of a tab no longer shown: only a visible one
    // counts, else the view on the shown tab.
    QWidget* focus = focusWidget();
    for (QWidget* w = focus && focus->isVisible() ? focus : nullptr; w; w = w->parentWidget()) {
        if (auto* view = dynamic_cast<View*>(w)) return view;
        if (qobject_cast<QTabWidget*>(w)) break;  // past the page that had the focus
        if (w->parentWidget() && qobject_cast<QStackedWidget*>(w->parentWidget())) {
            if (View* view = ViewOnPage(w)) return view;  // a chart beside its list, say
            break;
        }
    }
    QWidget* shown = widget();
    // The tabs may stand under a bar of the window's own.
    if (shown && !qobject_cast<QTabWidget*>(shown)) {
        if (auto* tabs = shown->findChild<QTabWidget*>()) shown = tabs;
    }
    while (auto* tabs = qobject_cast<QTabWidget*>(shown)) shown = tabs->currentWidget();
    if (View* view = ViewOnPage(shown)) return view;
    return document_ && !document_->views().empty() ? document_->views().front() : nullptr;
}

}  // namespace gridtally::gui
