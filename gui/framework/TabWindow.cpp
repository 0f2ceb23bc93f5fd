#include "gui/framework/TabWindow.h"

#include <QTabBar>

#include "gui/framework/Document.h"
#include "gui/framework/View.h"

namespace gridtally::gui {
TabWindow::TabWindow(QWidget* parent) : QTabWidget(parent) {}

View* TabWindow::AddViewTab(const ViewFactory& create, const QString& label,
                            const CreateContext& context) {
    View* view = create(this);
    if (!view) return nullptr;
    auto* widget = dynamic_cast<QWidget*>(view);
    if (!widget) return nullptr;
    if (context.document) view->AttachTo(context.document);
    addTab(widget, label);
    return view;
}

View* ViewOnPage(QWidget* page) {
    if (!page) return nullptr;
    if (auto* view = dynamic_cast<View*>(page)) return view;
    // Not deeper: a window's pages hold other pages, whose views are not this page's.
    const QList<QWidget*> children = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (auto* view = dynamic_cast<View*>(child)) return view;
    }
    for (QWidget* child : children) {
        if (qobject_cast<QTabWidget*>(child)) continue;
        for (QWidget* inside : child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (auto* view = dynamic_cast<View*>(inside)) return view;
        }
    }
    return nullptr;
}

bool TabWindow::FocusPage() {
    QWidget* page = currentWidget();
    if (!page) return false;
    // In the order Tab would take: the window's focus chain, from the page on.
    QWidget* w = page;
    do {
        bool takesTab = (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        if ((w == page || page->isAncestorOf(w)) && takesTab && !w->focusProxy() &&
            w->isVisibleTo(this) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return true;
        }
        w = w->nextInFocusChain();
    } while (w && w != page);
    return false;
}

bool TabWindow::focusNextPrevChild(bool next) {
    if (next && tabBar()->hasFocus() && FocusPage()) return true;
    return QTabWidget::focusNextPrevChild(next);
}

}  // namespace gridtally::gui
