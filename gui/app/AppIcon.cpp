#include "gui/app/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace gridtally::gui {
namespace {

QPixmap Draw(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2e, 0x7d, 0x32));
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 36, 36);
    painter.setPen(QPen(QColor(232, 245, 233, 140), 6));
    for (int y : {68, 128, 188}) painter.drawLine(8, y, 248, y);

    painter.translate(128, 128);
    painter.rotate(-35);
    painter.setPen(QPen(QColor(0x4e, 0x2a, 0x12), 6));
    painter.setBrush(QColor(0x8d, 0x4e, 0x24));
    painter.drawEllipse(QPointF(0, 0), 86, 50);
    painter.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(-40, 0, 40, 0);
    for (int x : {-28, -12, 4, 20, 32}) painter.drawLine(x, -12, x, 12);
    return pixmap;
}

// Draws one of our toolbar pictures on a 32 by 32 grid.
QPixmap DrawTool(const QString& name, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    QPen ink(QColor(0x37, 0x47, 0x4f), 2);
    painter.setPen(ink);
    if (name == QLatin1String("edit-copy")) {
        painter.setBrush(QColor(0xec, 0xef, 0xf1));
        painter.drawRect(QRectF(5, 4, 15, 19));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(12, 10, 15, 19));
        for (int y : {15, 19, 23}) painter.drawLine(15, y, 24, y);
    } else if (name == QLatin1String("edit-find")) {
        painter.setPen(QPen(QColor(0x37, 0x47, 0x4f), 3));
        painter.setBrush(QColor(0xe3, 0xf2, 0xfd));
        painter.drawEllipse(QPointF(13, 13), 8, 8);
        painter.setPen(QPen(QColor(0x5d, 0x40, 0x37), 5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(19, 19, 28, 28);
    } else if (name == QLatin1String("document-print")) {
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(9, 3, 14, 9));
        painter.setBrush(QColor(0x90, 0xa4, 0xae));
        painter.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(9, 19, 14, 10));
        for (int y : {23, 26}) painter.drawLine(12, y, 20, y);
    } else {
        return {};
    }
    return pixmap;
}

}  // namespace

QIcon ToolIcon(const QString& themeName) {
    if (QIcon::hasThemeIcon(themeName)) return QIcon::fromTheme(themeName);
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48}) {
        QPixmap pixmap = DrawTool(themeName, size);
        if (!pixmap.isNull()) icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(Draw(size));
    return icon;
}

}  // namespace gridtally::gui
