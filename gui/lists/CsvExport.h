#pragma once

#include <QString>

#include "core/text/Csv.h"

class QWidget;

namespace gridtally::gui {

// Writes `table` as CSV into `path`, whole or not at all; false, with the reason, when
// it cannot.
bool WriteCsvFile(const QString& path, const CsvTable& table, QString* error);

// Asks for a file (offering `suggestedName`) and writes `table` into it. False when the
// user cancelled, or when it could not be written, which a message has then said.
bool ExportCsv(QWidget* parent, const QString& suggestedName, const CsvTable& table);

}  // namespace gridtally::gui
