#pragma once

#include <QString>
#include <functional>

class QPainter;

namespace gridtally::gui {

struct PrintInfo;

// Prints pages straight to a PDF file, with no dialog: for tests and for printing from
// the command line. `printPage` paints page info.currentPage in device pixels into
// info.printableArea (a quarter inch inside the paper). Returns false with `error` set when the
// file cannot be made.
bool PrintToPdf(const QString& path, int pageCount,
                const std::function<void(QPainter&, PrintInfo&)>& printPage,
                QString* error = nullptr);

}  // namespace gridtally::gui
