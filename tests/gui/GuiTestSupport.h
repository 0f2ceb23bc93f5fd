#pragma once

#include <QAbstractItemView>
#include <QDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QString>
#include <string>
#include <vector>

#include "gui/framework/Dialogs.h"

namespace gridtally::gui::testing {

// A table's cell texts, row by row, as the Latin-1 bytes the core's pages hold.
inline std::vector<std::vector<std::string>> Rows(const QAbstractItemView& view) {
    const QAbstractItemModel& model = *view.model();
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < model.columnCount(); ++column) {
            cells.push_back(model.index(row, column).data().toString().toLatin1().toStdString());
        }
        rows.push_back(cells);
    }
    return rows;
}

// A table's headers, as Latin-1 bytes.
inline std::vector<std::string> Headers(const QAbstractItemView& view) {
    std::vector<std::string> headers;
    for (int column = 0; column < view.model()->columnCount(); ++column) {
        headers.push_back(
            view.model()->headerData(column, Qt::Horizontal).toString().toLatin1().toStdString());
    }
    return headers;
}

// The text of one cell.
inline QString CellText(const QAbstractItemView& view, int row, int column) {
    return view.model()->index(row, column).data().toString();
}

// Stands in for the user before a print preview: renders the pages the dialog shows and
// keeps its title and page count.
struct PreviewAnswer : DialogRunner {
    QString title;
    int pages = -1;
    bool topLevel = false;
    int Exec(QDialog& dialog) override {
        if (qobject_cast<QPrintPreviewDialog*>(&dialog)) {
            title = dialog.windowTitle();
            topLevel = dialog.isWindow();
            auto* widget = dialog.findChild<QPrintPreviewWidget*>();
            if (widget) {
                widget->updatePreview();
                pages = widget->pageCount();
            }
        }
        return QDialog::Rejected;
    }
};

// A PDF's text as pdftotext lays it out, as a search in a PDF viewer sees it.
inline QString PdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// One field of what pdfinfo says of a PDF ("Title", "Pages", "Page size").
inline QString PdfInfo(const QString& path, const QString& field) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(field + ':')) return line.mid(field.size() + 1).trimmed();
    }
    return {};
}

}  // namespace gridtally::gui::testing
