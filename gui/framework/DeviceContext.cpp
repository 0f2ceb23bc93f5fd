#include "gui/framework/DeviceContext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace gridtally::gui {

void InstallFontSubstitutions() {
    static const bool installed = [] {
        QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono"});
        QFont::insertSubstitutions("Courier New Bold", {"Liberation Mono", "DejaVu Sans Mono"});
        QFont::insertSubstitutions("Verdana", {"DejaVu Sans", "Liberation Sans"});
        return true;
    }();
    (void)installed;
}

DeviceContext::DeviceContext(QPainter& painter, double dpiX, double dpiY, QPointF origin)
    : painter_(painter), dpiX_(dpiX), dpiY_(dpiY), origin_(origin) {
    InstallFontSubstitutions();
}

double DeviceContext::UnitsToPixelsX() const {
    return mapMode_ == MapMode::Twips ? dpiX_ / 1440.0 : 1.0;
}

double DeviceContext::UnitsToPixelsY() const {
    return mapMode_ == MapMode::Twips ? dpiY_ / 1440.0 : 1.0;
}

QPointF DeviceContext::ToDevice(int x, int y) const {
    if (mapMode_ == MapMode::Text) return {double(x), double(y)};
    return {origin_.x() + x * UnitsToPixelsX(), origin_.y() - y * UnitsToPixelsY()};
}

FontRequest DeviceContext::PointFont(int tenthsOfPoint, const QString& face) const {
    // Points to device pixels through the vertical resolution, then to logical units.
    double pixels = tenthsOfPoint / 10.0 * dpiY_ / 72.0;
    FontRequest font;
    font.face = face;
    font.height = -static_cast<int>(std::lround(pixels / UnitsToPixelsY()));
    return font;
}

QFont DeviceContext::Resolve(const FontRequest& request) const {
    QString face = request.face;
    bool bold = request.weight >= 600;
    if (face == QLatin1String("Courier New Bold")) {  // the face carries the boldness
        face = QStringLiteral("Courier New");
        bold = true;
    }
    // No face (the state before any font was selected) is the default font: a QFont of an
    // empty family crashes the preview's recording of the page.
    QFont font = face.isEmpty() ? QFont() : QFont(face);
    int weight = bold && request.weight < 600 ? QFont::Bold : std::clamp(request.weight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(request.italic);
    if ((request.pitchAndFamily & 3) == 1) font.setFixedPitch(true);
    switch (request.pitchAndFamily & 0xF0) {
        case 0x10:
            font.setStyleHint(QFont::Serif);
            break;
        case 0x20:
            font.setStyleHint(QFont::SansSerif);
            break;
        case 0x30:
            font.setStyleHint(QFont::Monospace);
            break;
        default:
            break;
    }
    double pixels = std::abs(request.height) * UnitsToPixelsY();
    if (pixels < 1) pixels = 1;
    if (request.height > 0) {
        // A cell height: scale the character height so ascent + descent fit it.
        font.setPixelSize(static_cast<int>(std::lround(pixels)));
        QFontMetricsF metrics(font, painter_.device());
        double cell = metrics.ascent() + metrics.descent();
        if (cell > 0) pixels = pixels * pixels / cell;
    }
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    return font;
}

FontRequest DeviceContext::SelectFont(const FontRequest& font) {
    FontRequest previous = selected_;
    selected_ = font;
    painter_.setFont(Resolve(font));
    return previous;
}

TextMetrics DeviceContext::GetTextMetrics() const {
    QFontMetricsF metrics(painter_.font(), painter_.device());
    double toUnits = 1.0 / UnitsToPixelsY();
    TextMetrics result;
    result.ascent = static_cast<int>(std::lround(metrics.ascent() * toUnits));
    result.height = static_cast<int>(std::lround((metrics.ascent() + metrics.descent()) * toUnits));
    result.externalLeading =
        static_cast<int>(std::lround(std::max(0.0, metrics.leading()) * toUnits));
    return result;
}

void DeviceContext::TextOut(int x, int y, const QString& text) {
    QPointF top = ToDevice(x, y);
    QFontMetricsF metrics(painter_.font(), painter_.device());
    painter_.drawText(QPointF(top.x(), top.y() + metrics.ascent()), text);
}

int DeviceContext::SaveDC() {
    saved_.push_back({mapMode_, selected_});
    return static_cast<int>(saved_.size());
}

void DeviceContext::RestoreDC(int saved) {
    if (saved < 1 || saved > static_cast<int>(saved_.size())) return;
    State state = saved_[static_cast<std::size_t>(saved - 1)];
    saved_.resize(static_cast<std::size_t>(saved - 1));
    mapMode_ = state.mapMode;
    SelectFont(state.selected);
}

}  // namespace gridtally::gui
