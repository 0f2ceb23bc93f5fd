#include "gui/framework/TabWindow.h"

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

int TabWindow::FindTab(const QWidget* window) const {
    for (int i = 0; i < count(); ++i) {
        if (widget(i) == window) return i;
    }
    return -1;
}

int TabWindow::GetTabId(int index) const {
    QWidget* page = widget(index);
    return page ? page->property(kTabId).toInt() : 0;
}

QString TabWindow::LabelOfTabHolding(const QWidget* descendant) const {
    for (const QWidget* w = descendant; w; w = w->parentWidget()) {
        int index = FindTab(w);
        if (index >= 0) return tabText(index);
    }
    return {};
}

std::optional<QString> TopTabLabelOf(const QWidget* widget) {
    const TabWindow* top = nullptr;
    for (const QWidget* w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<const TabWindow*>(w)) top = tabs;
    }
    if (!top) return std::nullopt;
    for (const QWidget* w = widget; w && w != top; w = w->parentWidget()) {
        if (int index = top->FindTab(w); index >= 0) return top->GetTabLabel(index);
    }
    return std::nullopt;
}

std::optional<std::string> TopTabClubOf(const QWidget* widget) {
    std::optional<QString> label = TopTabLabelOf(widget);
    if (!label) return std::nullopt;
    return label->toLatin1().toStdString();
}

}  // namespace gridtally::gui
