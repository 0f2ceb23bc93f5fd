#pragma once

#include <QRect>

namespace gridtally::gui {

class DeviceContext;
class Document;

// What one printed run knows: the page range and the page being printed.
struct PrintInfo {
    int minPage = 1;
    int maxPage = 1;
    int currentPage = 1;
    QRect printableArea;  // in device pixels
};

// A view of a document. Concrete views are widgets that also derive from View.
class View {
public:
    virtual ~View();

    Document* document() const { return document_; }
    // Attaches the view to its document (and the document to the view).
    void AttachTo(Document* document);

    virtual void OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }
    virtual void OnUpdate(View* /*sender*/, int /*hint*/, void* /*object*/) {}
    virtual void OnDraw(DeviceContext& /*dc*/) {}

    // The printing hooks, in the order a print run calls them.
    virtual bool OnPreparePrinting(PrintInfo& /*info*/) { return true; }
    virtual void OnBeginPrinting(DeviceContext& /*dc*/, PrintInfo& /*info*/) {}
    virtual void OnPrepareDC(DeviceContext& /*dc*/, PrintInfo* /*info*/) {}
    virtual void OnPrint(DeviceContext& dc, PrintInfo& /*info*/) { OnDraw(dc); }
    virtual void OnEndPrinting(DeviceContext& /*dc*/, PrintInfo& /*info*/) {}

private:
    Document* document_ = nullptr;
};

}  // namespace gridtally::gui
