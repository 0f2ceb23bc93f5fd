#include "framework/PdfPrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "framework/DeviceContext.h"
#include "framework/View.h"

namespace gridtally::gui {

bool PrintToPdf(const QString& path, int pageCount,
                const std::function<void(DeviceContext&, PrintInfo&)>& printPage, QString* error) {
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (error) *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    PrintInfo info;
    info.minPage = 1;
    info.maxPage = pageCount;
    info.printableArea = QRect(0, 0, writer.width(), writer.height());
    for (int page = 1; page <= pageCount; ++page) {
        if (page > 1) writer.newPage();
        painter.save();
        DeviceContext dc(painter, writer.resolution(), writer.resolution());
        info.currentPage = page;
        printPage(dc, info);
        painter.restore();
    }
    return painter.end();
}

}  // namespace gridtally::gui
