#include "gui/framework/Printing.h"

#include <langinfo.h>

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <clocale>
#include <cstdint>

#include "gui/framework/Dialogs.h"
#include "gui/framework/Document.h"
#include "gui/framework/View.h"

namespace gridtally::gui {

QPageSize DefaultPageSize() {
    QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && printer.defaultPageSize().isValid()) return printer.defaultPageSize();
    // The paper of the user's locale (LC_PAPER), in millimetres.
    std::setlocale(LC_PAPER, "");
    auto width = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
    auto height = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_HEIGHT)));
    if (width > 0 && height > 0) {
        QPageSize paper(QSizeF(width, height), QPageSize::Millimeter, QString(),
                        QPageSize::FuzzyOrientationMatch);
        if (paper.isValid()) return paper;
    }
    return QPageSize(QPageSize::A4);
}

bool RunPrintJob(View& view, QPagedPaintDevice& device, PageRange pages) {
    PrintInfo info;
    if (!view.OnPreparePrinting(info)) return false;
    info.pageCount = info.maxPage;
    info.documentName = view.PrintedDocumentName();
    // The file's title: what a PDF viewer shows and a search finds the printout by.
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->setDocName(info.documentName);
    if (auto* writer = dynamic_cast<QPdfWriter*>(&device)) writer->setTitle(info.documentName);
    if (pages.from > 0) info.minPage = std::max(info.minPage, pages.from);
    if (pages.to > 0) info.maxPage = std::min(info.maxPage, pages.to);
    if (info.minPage > info.maxPage) return false;
    QPainter painter;
    if (!painter.begin(&device)) return false;
    info.printableArea = QRect(0, 0, device.width(), device.height());
    for (int page = info.minPage; page <= info.maxPage; ++page) {
        if (page > info.minPage) device.newPage();
        info.currentPage = page;
        painter.save();
        view.OnPrint(painter, info);
        painter.restore();
    }
    return painter.end();
}

void PrintPageThroughViews(View& driver, QPainter& painter, PrintInfo& info) {
    if (!driver.document()) return;
    PrintHint hint{&painter, &info, nullptr};
    int count = 0;
    for (View* view : driver.document()->views()) {
        if (view == &driver) continue;
        if (++count == info.currentPage) {
            hint.target = view;
            view->OnUpdate(&driver, UpdateHint::Print, &hint);
            return;
        }
    }
}

QPrinter& ProgramPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    static const bool paperSet = [] {
        printer.setPageSize(DefaultPageSize());
        return true;
    }();
    (void)paperSet;
    return printer;
}

bool PrintWithDialog(View& view, QWidget* parent) {
    PrintInfo pages;
    if (!view.OnPreparePrinting(pages)) return false;
    QPrinter& printer = ProgramPrinter();
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(pages.minPage, pages.maxPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    if (CurrentDialogRunner().Exec(dialog) != QDialog::Accepted) return false;
    PageRange range;
    if (printer.printRange() == QPrinter::PageRange) range = {printer.fromPage(), printer.toPage()};
    return RunPrintJob(view, printer, range);
}

void PrintPreview(View& view, QWidget* parent) {
    QPrintPreviewDialog preview(&ProgramPrinter(), parent);
    preview.setWindowTitle(QObject::tr("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&view](QPrinter* target) { RunPrintJob(view, *target); });
    CurrentDialogRunner().Exec(preview);
}

bool PrinterSetup(QPrinter& printer, QWidget* parent) {
    QPageSetupDialog dialog(&printer, parent);
    return CurrentDialogRunner().Exec(dialog) == QDialog::Accepted;
}

bool PrintViewToPdf(View& view, const QString& path, QString* error, PageRange pages) {
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(DefaultPageSize(), QPageLayout::Portrait,
                                     QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    if (RunPrintJob(view, writer, pages)) return true;
    if (error) *error = QStringLiteral("cannot write %1").arg(path);
    return false;
}

}  // namespace gridtally::gui
