#include "gui/framework/TabWindow.h"

#include <QTabBar>

#include "gui/framework/Document.h"
#include "gui/framework/View.h"

namespace gridtally::gui {
namespace {
constexpr const char* kTabId = "gridtallyTabId";
}

TabWindow::TabWindow(QWidget* parent) : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (notify_) notify_(index);
    });
}

View* TabWindow::AddViewTab(const ViewFactory& create, const QString& label,
                            const CreateContext& context, int id) {
    View* view = create(this);
    if (!view) return nullptr;
    auto* widget = dynamic_cast<QWidget*>(view);
    if (!widget) return nullptr;
    if (context.document) view->AttachTo(context.document);
    AddWindowTab(widget, label, id);
    return view;
}

void TabWindow::AddWindowTab(QWidget* window, const QString& label, int id) {
    window->setProperty(kTabId, id);
    addTab(window, label);
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

int TabWindow::FindTab(const QWidget* window) const {
    for (int i = 0; i < count(); ++i) {
        if (widget(i) == window) return i;
    }
    return -1;
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

int TabWindow::GetTabId(int index) const {
    QWidget* page = widget(index);
    return page ? page->property(kTabId).toInt() : 0;
}

}  // namespace gridtally::gui
