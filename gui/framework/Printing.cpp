#include "framework/Printing.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "framework/DeviceContext.h"
#include "framework/Dialogs.h"
#include "framework/View.h"

namespace gridtally::gui {

bool RunPrintJob(View& view, QPagedPaintDevice& device, double resolution) {
    PrintInfo info;
    if (!view.OnPreparePrinting(info)) return false;
    QPainter painter;
    if (!painter.begin(&device)) return false;
    info.printableArea = QRect(0, 0, device.width(), device.height());
    DeviceContext dc(painter, resolution, resolution);
    view.OnBeginPrinting(dc, info);
    for (int page = info.minPage; page <= info.maxPage; ++page) {
        if (page > info.minPage) device.newPage();
        info.currentPage = page;
        int saved = dc.SaveDC();
        painter.save();
        view.OnPrepareDC(dc, &info);
        view.OnPrint(dc, info);
        painter.restore();
        dc.RestoreDC(saved);
    }
    view.OnEndPrinting(dc, info);
    return painter.end();
}

bool PrintWithDialog(View& view, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (CurrentDialogRunner().Exec(dialog) != QDialog::Accepted) return false;
    return RunPrintJob(view, printer, printer.resolution());
}

void PrintPreview(View& view, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, &preview,
        [&view](QPrinter* target) { RunPrintJob(view, *target, target->resolution()); });
    CurrentDialogRunner().Exec(preview);
}

bool PrinterSetup(QPrinter& printer, QWidget* parent) {
    QPageSetupDialog dialog(&printer, parent);
    return CurrentDialogRunner().Exec(dialog) == QDialog::Accepted;
}

bool PrintViewToPdf(View& view, const QString& path, QString* error) {
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    if (RunPrintJob(view, writer, writer.resolution())) return true;
    if (error) *error = QStringLiteral("cannot write %1").arg(path);
    return false;
}

}  // namespace gridtally::gui
