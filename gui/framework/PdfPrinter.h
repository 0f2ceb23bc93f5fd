#pragma once

#include <QString>
#include <functional>

namespace gridtally::gui {

class DeviceContext;
struct PrintInfo;

// Prints pages straight to a PDF file, with no dialog: for tests and for printing from
// the command line. `printPage` draws page info.currentPage; the context starts in
// pixels with its twips origin at the top-left of the printable area (a quarter inch
// inside a Letter page). Returns false with `error` set when the file cannot be made.
bool PrintToPdf(const QString& path, int pageCount,
                const std::function<void(DeviceContext&, PrintInfo&)>& printPage,
                QString* error = nullptr);

}  // namespace gridtally::gui
