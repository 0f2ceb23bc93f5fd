#pragma once

// A print run over a view: its page range, the print and preview dialogs, a PDF without
// a dialog, and a printout whose pages are the document's other views. Qt prints a
// device; the hooks that let a view print its pages are what it lacks.

#include <QString>

class QPageSize;
class QPainter;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace gridtally::gui {

class View;
struct PrintInfo;

// The pages a user asked for; 0 for either end means the view's own first or last.
struct PageRange {
    int from = 0;
    int to = 0;
};

// One print run of a view on a paged device: prepare printing (the page range), then
// print each page of `pages` within the view's range. Returns false when the view
// declined or the device could not be painted on.
bool RunPrintJob(View& view, QPagedPaintDevice& device, PageRange pages = {});

// The paper printouts start on: the default printer's, else the locale's (LC_PAPER),
// else A4. Print, Print Preview and printing to a PDF file all use it.
QPageSize DefaultPageSize();

// The printer of the program: what Print Setup chooses, Print and Print Preview use.
QPrinter& ProgramPrinter();

// Prints page N of a document through its views: the N-th view other than `driver`,
// in the document's order, gets a Print update aimed at it. Without one the page
// stays blank.
void PrintPageThroughViews(View& driver, QPainter& painter, PrintInfo& info);

// The print dialog, then the job; false when cancelled.
bool PrintWithDialog(View& view, QWidget* parent);
// The preview window showing the same pages the printer would get.
void PrintPreview(View& view, QWidget* parent);
// The page and printer setup dialog for `printer`.
bool PrinterSetup(QPrinter& printer, QWidget* parent);

// The view's pages straight into a PDF file, with no dialog.
bool PrintViewToPdf(View& view, const QString& path, QString* error = nullptr,
                    PageRange pages = {});

}  // namespace gridtally::gui
