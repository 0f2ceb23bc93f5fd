#pragma once

#include <QString>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace gridtally::gui {

class View;

// One print run of a view on a paged device: prepare printing (the page range), begin,
// then per page prepare the context and print the page, then end. Returns false when
// the view declined or the device could not be painted on.
bool RunPrintJob(View& view, QPagedPaintDevice& device, double resolution);

// The print dialog, then the job; false when cancelled.
bool PrintWithDialog(View& view, QWidget* parent);
// The preview window showing the same pages the printer would get.
void PrintPreview(View& view, QWidget* parent);
// The page and printer setup dialog for `printer`.
bool PrinterSetup(QPrinter& printer, QWidget* parent);

// The view's pages straight into a PDF file, with no dialog.
bool PrintViewToPdf(View& view, const QString& path, QString* error = nullptr);

}  // namespace gridtally::gui
