#include "gui/lists/CsvExport.h"

#include <QApplication>
#include <QSaveFile>

#include "gui/framework/Dialogs.h"

namespace gridtally::gui {

bool WriteCsvFile(const QString& path, const CsvTable& table, QString* error) {
    QSaveFile file(path);
    std::string csv = FormatCsv(table);
    bool written = file.open(QIODevice::WriteOnly) &&
                   file.write(csv.data(), static_cast<qint64>(csv.size())) ==
                       static_cast<qint64>(csv.size()) &&
                   file.commit();
    if (!written && error) *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return written;
}

bool ExportCsv(QWidget* parent, const QString& suggestedName, const CsvTable& table) {
    QString path = CurrentDialogRunner().GetSaveFileName(
        parent, QObject::tr("Export CSV"), suggestedName, QStringLiteral("CSV Files (*.csv)"),
        QStringLiteral("csv"));
    if (path.isEmpty()) return false;
    QString error;
    if (WriteCsvFile(path, table, &error)) return true;
    ShowFailure(parent, QObject::tr("Cannot export the page.\n\n%1").arg(error));
    return false;
}

}  // namespace gridtally::gui
