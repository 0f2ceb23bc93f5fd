#pragma once

// The page painter: lays out a printout page (a report's lines or a list's columns) in
// twips, the unit of the printouts, scaled to fit its sheet with a footer. Qt paints;
// the layout of these pages is what it lacks.

#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

#include "core/reports/GamePrintout.h"

class QPainter;

namespace gridtally::gui {

// The fonts of a printed page at a device's resolution: the "Verdana" 20-point bold
// italic title, "Courier New" 10-point text (bold for headers) and the small footer.
// Printed text is not shaped, so that no ligature hides a word from a PDF's search.
// Sizes are in twips, the unit the page is painted in.
struct PageFonts {
    PageFonts();
    QFont title;
    QFont header;
    QFont text;
    QFont boldText;
    QFont footer;
};

// What the footer of a page says: which document, and the page's place in the printout.
struct PageFooter {
    QString document;
    int page = 1;
    int pages = 1;
};

// Where the columns of a list page start, in twips from the left: at the column's own x
// at the earliest, and at least two character widths past the widest text (header or
// cell) of the column before. `end`, when given, is where the last column's widest ends.
std::vector<double> ColumnStarts(const PrintoutPage& page, const PageFonts& fonts,
                                 double* end = nullptr);

// The size of a page's content in twips, before any scaling.
QSizeF ContentSize(const PrintoutPage& page, const PageFonts& fonts);

// Paints one page in twips into `area` (device pixels, the printable area): the content
// from the top-left, scaled down to fit above the footer when it is too tall or too wide,
// and the footer along the bottom. Returns the scale used (1 when it fitted).
double PaintPage(QPainter& painter, const QRectF& area, const PrintoutPage& page,
                 const PageFooter& footer);

struct PrintInfo;

// A view's page of a print run: painted into the run's printable area, with the footer
// of the run's document and page.
void PrintPage(QPainter& painter, const PrintInfo& info, const PrintoutPage& page);

// The faces the pages and reports name, mapped onto what a Linux desktop has: "Courier
// New" onto its metric twin Liberation Mono, "Verdana" onto a sans face. Idempotent.
void InstallFontSubstitutions();

}  // namespace gridtally::gui
