#include "framework/MainFrame.h"

#include <QMdiArea>

#include "framework/ChildFrame.h"
#include "framework/Dialogs.h"
#include "framework/Document.h"
#include "framework/View.h"

namespace gridtally::gui {

MainFrame::MainFrame(QWidget* parent)
    : QMainWindow(parent), mdiArea_(new QMdiArea(this)), router_([this] { return Route(); }) {
    setCentralWidget(mdiArea_);
    OnCommand(command::kFileOpen, [this] { OnFileOpen(); });
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] { router_.UpdateActions(); });
}

DocTemplate& MainFrame::AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate) {
    templates_.push_back(std::move(docTemplate));
    return *templates_.back();
}

QString MainFrame::OpenFilter() const {
    QString filter;
    for (const auto& docTemplate : templates_) filter += docTemplate->FilterEntry();
    return filter + QStringLiteral("All Files (*.*)|*.*||");
}

void MainFrame::OnFileOpen() {
    QStringList files =
        CurrentDialogRunner().GetOpenFileNames(this, tr("Open"), OpenFilter(), true);
    for (const QString& file : files) OpenDocumentFile(file);
}

ChildFrame* MainFrame::OpenDocumentFile(const QString& path) {
    if (templates_.empty()) return nullptr;
    const DocTemplate* chosen = templates_.front().get();
    for (const auto& docTemplate : templates_) {
        if (docTemplate->MatchesExtension(path)) {
            chosen = docTemplate.get();
            break;
        }
    }
    QString error;
    ChildFrame* frame = chosen->OpenDocumentFile(path, error);
    if (!frame) {
        CurrentDialogRunner().ShowMessage(this, windowTitle(),
                                          tr("Cannot open %1: %2").arg(path, error));
        return nullptr;
    }
    recent_.Add(path);
    return Show(frame);
}

ChildFrame* MainFrame::NewDocument(const DocTemplate& docTemplate) {
    QString error;
    ChildFrame* frame = docTemplate.OpenDocumentFile({}, error);
    if (!frame) {
        CurrentDialogRunner().ShowMessage(this, windowTitle(), error);
        return nullptr;
    }
    return Show(frame);
}

ChildFrame* MainFrame::Show(ChildFrame* frame) {
    mdiArea_->addSubWindow(frame);
    frame->show();
    mdiArea_->setActiveSubWindow(frame);
    router_.UpdateActions();
    return frame;
}

ChildFrame* MainFrame::ActiveChild() const {
    return dynamic_cast<ChildFrame*>(mdiArea_->activeSubWindow());
}

std::vector<CommandTarget*> MainFrame::Route() const {
    std::vector<CommandTarget*> route;
    if (ChildFrame* child = ActiveChild()) {
        if (auto* view = dynamic_cast<CommandTarget*>(child->GetActiveView()))
            route.push_back(view);
        if (auto* document = dynamic_cast<CommandTarget*>(child->document())) {
            route.push_back(document);
        }
        route.push_back(child);
    }
    route.push_back(const_cast<MainFrame*>(this));
    if (application_) route.push_back(application_);
    return route;
}

}  // namespace gridtally::gui
