#pragma once

// TabWindow: a QTabWidget whose pages are views of a document, and into whose shown page
// Tab and Ctrl+PgDn lead the focus.

#include <QString>
#include <QTabWidget>
#include <functional>

namespace gridtally::gui {

class Document;
class View;

// What a frame hands to the views it creates: the document they attach to.
struct CreateContext {
    Document* document = nullptr;
};

// A row of tabs, each holding a view or another tab window (a club's tab window sits
// inside the game's), that Tab and Ctrl+PgDn lead into.
class TabWindow : public QTabWidget {
    Q_OBJECT

public:
    explicit TabWindow(QWidget* parent = nullptr);

    // Makes the view with `create`, attaches it to the context's document and adds it
    // under `label`. Returns the view, or nullptr when `create` made none.
    using ViewFactory = std::function<View*(QWidget* parent)>;
    View* AddViewTab(const ViewFactory& create, const QString& label, const CreateContext& context);

    // Gives the focus to the first widget of the shown page that takes it by Tab (a tab
    // row inside it, or its list); false when there is none.
    bool FocusPage();

protected:
    // Tab from the row of tabs goes into the page shown, not past it.
    bool focusNextPrevChild(bool next) override;
};

// The view a tab's page is or holds among its own children (a list with a chart beside
// it), looking one level further into a page without one (a list and its chart under a
// caption); nullptr when there is none.
View* ViewOnPage(QWidget* page);

// A factory for AddViewTab that makes a view of the class from `arguments` and its
// parent (pass references with std::ref).
template <typename ViewClass, typename... Arguments>
TabWindow::ViewFactory MakeView(Arguments... arguments) {
    return [=](QWidget* parent) -> View* { return new ViewClass(arguments..., parent); };
}

}  // namespace gridtally::gui
