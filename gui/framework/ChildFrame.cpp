#include "gui/framework/ChildFrame.h"

#include <QApplication>
#include <QCloseEvent>

#include "gui/framework/Dialogs.h"
#include "gui/framework/Document.h"
#include "gui/framework/View.h"

namespace gridtally::gui {

ChildFrame::ChildFrame(QWidget* parent) : QMdiSubWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
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
        switch (CurrentDialogRunner().AskSaveChanges(this, QApplication::applicationName(),
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
    for (QWidget* w = focusWidget(); w; w = w->parentWidget()) {
        if (auto* view = dynamic_cast<View*>(w)) return view;
    }
    return document_ && !document_->views().empty() ? document_->views().front() : nullptr;
}

}  // namespace gridtally::gui
