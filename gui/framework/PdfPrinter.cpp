#include "gui/framework/PdfPrinter.h"

#include "gui/framework/Printing.h"
#include "gui/framework/View.h"

namespace gridtally::gui {
namespace {

// Lends a page function the printing hooks of a view.
class PageFunctionView : public View {
public:
    PageFunctionView(int pages, const std::function<void(QPainter&, PrintInfo&)>& print)
        : pages_(pages), print_(print) {}
    bool OnPreparePrinting(PrintInfo& info) override {
        info.minPage = 1;
        info.maxPage = pages_;
        return pages_ > 0;
    }
    void OnPrint(QPainter& painter, PrintInfo& info) override { print_(painter, info); }

private:
    int pages_;
    const std::function<void(QPainter&, PrintInfo&)>& print_;
};

}  // namespace

bool PrintToPdf(const QString& path, int pageCount,
                const std::function<void(QPainter&, PrintInfo&)>& printPage, QString* error) {
    PageFunctionView view(pageCount, printPage);
    return PrintViewToPdf(view, path, error);
}

}  // namespace gridtally::gui
