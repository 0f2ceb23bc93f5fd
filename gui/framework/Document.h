#pragma once

// Document: data shown by several views, which it tells of changes with a hint.

#include <QString>
#include <vector>

#include "gui/framework/View.h"

namespace gridtally::gui {

// A document with its views in creation order. Views hear of changes through
// UpdateAllViews: UpdateHint::Print with a PrintHint asks the hint's target to print
// a page, any other hint asks the views to refill.
class Document {
public:
    virtual ~Document() = default;

    // A new, empty document; false abandons it.
    virtual bool OnNewDocument() { return true; }
    // Reads the file; false (with the reason in `error`) abandons the document.
    virtual bool OnOpenDocument(const QString& /*path*/, QString* /*error*/) { return true; }
    virtual bool OnSaveDocument(const QString& /*path*/, QString* /*error*/) { return true; }

    void AddView(View* view);
    void RemoveView(View* view);
    const std::vector<View*>& views() const { return views_; }

    // Calls OnUpdate of every view but `sender`, in creation order.
    void UpdateAllViews(View* sender, UpdateHint hint = UpdateHint::Refill,
                        PrintHint* printHint = nullptr);

    bool IsModified() const { return modified_; }
    virtual void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    const QString& pathName() const { return pathName_; }
    void SetPathName(const QString& path);
    // The file name of the path, or "Untitled" for a document never saved.
    const QString& title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }

private:
    std::vector<View*> views_;
    bool modified_ = false;
    QString pathName_;
    QString title_ = QStringLiteral("Untitled");
};

}  // namespace gridtally::gui
