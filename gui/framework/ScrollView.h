#pragma once

#include <QAbstractScrollArea>
#include <QSize>

#include "gui/framework/DeviceContext.h"
#include "gui/framework/View.h"

namespace gridtally::gui {

// A view that draws itself through a device context, scrolled over a fixed total size.
class ScrollView : public QAbstractScrollArea, public View {
public:
    explicit ScrollView(QWidget* parent = nullptr);

    // The scrollable size in pixels and the steps of a page and a line.
    void SetScrollSizes(MapMode mode, QSize total, QSize page, QSize line);
    QSize totalSize() const { return total_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateScrollBars();

    MapMode mapMode_ = MapMode::Text;
    QSize total_;
    QSize page_;
    QSize line_;
};

}  // namespace gridtally::gui
