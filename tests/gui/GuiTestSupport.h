#pragma once

#include <QProcess>
#include <QString>
#include <string>
#include <vector>

#include "framework/ListCtrl.h"

namespace gridtally::gui::testing {

// A list's cell texts, row by row, as the Latin-1 bytes the core's pages hold.
inline std::vector<std::vector<std::string>> Rows(const ListCtrl& list) {
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < list.columnCount(); ++column) {
            cells.push_back(list.GetItemText(row, column).toLatin1().toStdString());
        }
        rows.push_back(cells);
    }
    return rows;
}

// A PDF's text as pdftotext lays it out; the title font's ligatures ("ff") come back
// as one character each, so the text is normalised.
inline QString PdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC);
}

}  // namespace gridtally::gui::testing
