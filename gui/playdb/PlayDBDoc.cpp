#include "gui/playdb/PlayDBDoc.h"

#include <QApplication>

#include "core/playdb/PlayDBFile.h"
#include "core/text/FileBytes.h"
#include "gui/framework/Dialogs.h"

namespace gridtally::gui {

bool PlayDBDoc::OnOpenDocument(const QString& path, QString* error) {
    std::string bytes;
    std::string reason;
    if (!ReadFileBytes(path.toStdString(), bytes, &reason)) {
        if (error) *error = QString::fromLocal8Bit(reason.c_str());
        return false;
    }
    PlayDBLoadReport report = LoadPlayDB(bytes, *this);
    if (!report.Clean()) {
        damaged_ = true;
        CurrentDialogRunner().ShowMessage(
            nullptr, QApplication::applicationName(),
            QObject::tr("%1 is damaged or not a Play DB: %2.\n\nIt opens with what could be "
                        "read; saving asks for a new name, so that the file stays as it is.")
                .arg(path, QString::fromStdString(DescribeLoadReport(report))));
    }
    return true;
}

bool PlayDBDoc::OnSaveDocument(const QString& path, QString* error) {
    std::string reason;
    if (SavePlayDBFile(*this, path.toStdString(), &reason)) return true;
    if (error) *error = QString::fromLocal8Bit(reason.c_str());
    return false;
}

}  // namespace gridtally::gui
