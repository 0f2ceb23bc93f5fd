#include "gui/framework/ScrollView.h"

#include <QPainter>
#include <QScrollBar>

namespace gridtally::gui {

ScrollView::ScrollView(QWidget* parent) : QAbstractScrollArea(parent) {
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
}

void ScrollView::SetScrollSizes(MapMode mode, QSize total, QSize page, QSize line) {
    mapMode_ = mode;
    total_ = total;
    page_ = page;
    line_ = line;
    UpdateScrollBars();
}

void ScrollView::UpdateScrollBars() {
    QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, total_.width() - visible.width()));
    verticalScrollBar()->setRange(0, std::max(0, total_.height() - visible.height()));
    horizontalScrollBar()->setPageStep(std::max(1, page_.width()));
    verticalScrollBar()->setPageStep(std::max(1, page_.height()));
    horizontalScrollBar()->setSingleStep(std::max(1, line_.width()));
    verticalScrollBar()->setSingleStep(std::max(1, line_.height()));
}

void ScrollView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void ScrollView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    DeviceContext dc(painter, viewport()->logicalDpiX(), viewport()->logicalDpiY());
    dc.SetMapMode(mapMode_);
    OnDraw(dc);
}

}  // namespace gridtally::gui
