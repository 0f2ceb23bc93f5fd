#include "app/AppIcon.h"

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

}  // namespace

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(Draw(size));
    return icon;
}

}  // namespace gridtally::gui
