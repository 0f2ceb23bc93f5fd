#include "gui/framework/Document.h"

#include <QFileInfo>
#include <algorithm>

#include "gui/framework/View.h"

namespace gridtally::gui {

void Document::AddView(View* view) {
    if (std::find(views_.begin(), views_.end(), view) == views_.end()) views_.push_back(view);
}

void Document::RemoveView(View* view) { std::erase(views_, view); }

void Document::UpdateAllViews(View* sender, UpdateHint hint, PrintHint* printHint) {
    // A view may be added while others update; walk a copy.
    std::vector<View*> views = views_;
    for (View* view : views) {
        if (view != sender) view->OnUpdate(sender, hint, printHint);
    }
}

void Document::SetPathName(const QString& path) {
    pathName_ = path;
    title_ = path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path).fileName();
}

View::~View() {
    if (document_) document_->RemoveView(this);
}

QString View::PrintedDocumentName() const { return document_ ? document_->title() : QString(); }

void View::AttachTo(Document* document) {
    if (document_) document_->RemoveView(this);
    document_ = document;
    if (document_) document_->AddView(this);
}

}  // namespace gridtally::gui
