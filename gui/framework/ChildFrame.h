#pragma once

#include <QMdiSubWindow>
#include <memory>

#include "gui/framework/Commands.h"
#include "gui/framework/TabWindow.h"

namespace gridtally::gui {

class Document;
class DocTemplate;
class View;

// The window of one document inside the main frame. It owns its document; its client
// (the views, or tab windows of views) is made by OnCreateClient.
class ChildFrame : public QMdiSubWindow, public CommandTarget {
    Q_OBJECT

public:
    explicit ChildFrame(QWidget* parent = nullptr);
    ~ChildFrame() override;

    // Builds the client from the context; false abandons the window.
    virtual bool OnCreateClient(const CreateContext& context) = 0;

    Document* document() const { return document_.get(); }
    const DocTemplate* docTemplate() const { return template_; }
    // The view that has the focus, else the first view of the document.
    virtual View* GetActiveView() const;
    // Close, and the next and previous tab.
    bool TakeCommand(int id, bool run) override;
    // Shows the next (1) or previous (-1) tab of the row around the focus, wrapping; what
    // Ctrl+PgDn and Ctrl+PgUp do unless the window has tabs of its own to go through.
    void StepTab(int step);

protected:
    // A document with unsaved changes asks before its window closes; Cancel keeps it.
    void closeEvent(QCloseEvent* event) override;
    // Saves the document when the user chose Save on closing; false keeps the window.
    virtual bool SaveForClose() { return false; }

private:
    friend class DocTemplate;
    std::unique_ptr<Document> document_;
    const DocTemplate* template_ = nullptr;
};

}  // namespace gridtally::gui
