#include "gui/framework/DocTemplate.h"

#include <QFileInfo>

#include "gui/framework/ChildFrame.h"
#include "gui/framework/Document.h"
#include "gui/framework/View.h"

namespace gridtally::gui {

DocTemplate::Strings DocTemplate::ParseStrings(const QString& text) {
    QStringList parts = text.split('\n');
    while (parts.size() < 7) parts << QString();
    return {parts[0], parts[1], parts[2], parts[3], parts[4], parts[5], parts[6]};
}

DocTemplate::DocTemplate(int resourceId, const QString& strings, DocumentFactory document,
                         FrameFactory frame)
    : resourceId_(resourceId),
      strings_(ParseStrings(strings)),
      makeDocument_(std::move(document)),
      makeFrame_(std::move(frame)) {}

QString DocTemplate::FilterEntry() const {
    return strings_.filterExt.isEmpty() ? QString() : strings_.filterName;
}

bool DocTemplate::MatchesExtension(const QString& path) const {
    return !strings_.filterExt.isEmpty() && path.endsWith(strings_.filterExt, Qt::CaseInsensitive);
}

std::unique_ptr<ChildFrame> DocTemplate::OpenDocumentFile(const QString& path,
                                                          QString* error) const {
    std::unique_ptr<Document> document = makeDocument_();
    if (!document) {
        if (error) *error = QStringLiteral("cannot make a document");
        return nullptr;
    }
    if (path.isEmpty()) {
        if (!document->OnNewDocument()) return nullptr;
    } else {
        if (!document->OnOpenDocument(path, error)) return nullptr;
        document->SetPathName(path);
    }
    CreateContext context{document.get()};
    std::unique_ptr<ChildFrame> frame = makeFrame_(context);
    if (!frame) {
        if (error) *error = QStringLiteral("cannot make the window");
        return nullptr;
    }
    frame->document_ = std::move(document);
    frame->template_ = this;
    if (!frame->OnCreateClient(context)) {
        if (error) *error = QStringLiteral("cannot make the window");
        return nullptr;
    }
    frame->setWindowTitle(frame->document_->title());
    for (View* view : frame->document_->views()) view->OnInitialUpdate();
    return frame;
}

}  // namespace gridtally::gui
