#pragma once

// View: what a widget showing a document implements: its first update and later ones
// (with hints: refill, follow, print a page), and its printing hooks. With Document it is
// the update protocol Qt's widgets lack.

#include <QRect>
#include <QString>

class QPainter;

namespace gridtally::gui {

class Document;

// What one printed run knows: the page range and the page being printed.
struct PrintInfo {
    int minPage = 1;
    int maxPage = 1;
    int currentPage = 1;
    QRect printableArea;   // in device pixels
    QString documentName;  // what the pages' footers and the file's title name
    int pageCount = 1;     // the pages of the whole printout, whatever range is printed
};

// What an update asks of the views. The numbers are the framework's hint codes.
enum class UpdateHint : int {
    Refill = 0,  // the document changed: lists fill their rows again
    Print = 1,   // with a PrintHint: its target prints one page
    Follow = 2,  // more of the same data came: lists refill but keep their order and place
};

class View;

// The object of a Print update: the page's painter and print information, and the one
// view that is to print it.
struct PrintHint {
    QPainter* painter = nullptr;
    PrintInfo* info = nullptr;
    View* target = nullptr;
};

// A view of a document. Concrete views are widgets that also derive from View.
class View {
public:
    virtual ~View();

    Document* document() const { return document_; }
    // Attaches the view to its document (and the document to the view).
    void AttachTo(Document* document);

    virtual void OnInitialUpdate() { OnUpdate(nullptr, UpdateHint::Refill, nullptr); }
    // `printHint` is set only with UpdateHint::Print.
    virtual void OnUpdate(View* /*sender*/, UpdateHint /*hint*/, PrintHint* /*printHint*/) {}

    // The printing hooks, in the order a print run calls them: the pages there are,
    // then each page, painted in device pixels into `info.printableArea`.
    virtual bool OnPreparePrinting(PrintInfo& /*info*/) { return true; }
    virtual void OnPrint(QPainter& /*painter*/, PrintInfo& /*info*/) {}
    // The document a printout of this view shows, as its pages' footers and the printed
    // file's title name it.
    virtual QString PrintedDocumentName() const;

protected:
    // The printing half of the update protocol: prints this view's page when the update
    // is a Print request aimed at it. True for every Print request, aimed here or not,
    // so that the caller does nothing else with one.
    bool HandlePrintUpdate(UpdateHint hint, PrintHint* printHint) {
        if (hint != UpdateHint::Print) return false;
        if (printHint && printHint->target == this && printHint->painter && printHint->info) {
            OnPrint(*printHint->painter, *printHint->info);
        }
        return true;
    }

private:
    Document* document_ = nullptr;
};

}  // namespace gridtally::gui
