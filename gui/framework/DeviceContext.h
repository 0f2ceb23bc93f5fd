#pragma once

#include <QFont>
#include <QPointF>
#include <QString>
#include <memory>
#include <vector>

class QPainter;

namespace gridtally::gui {

// The two mapping modes the views draw in: pixels with y growing down the page, and
// twips (1/1440 inch) from the top-left of the printable area with y decreasing down
// the page.
enum class MapMode { Text, Twips };

// A font as the views ask for it: a face and a height in logical units, where a
// negative height asks for that character height and a positive one for that cell
// height (character height plus internal leading).
struct FontRequest {
    QString face;
    int height = 0;
    int weight = 400;  // 400 regular, 700 bold
    bool italic = false;
    int pitchAndFamily = 0;  // low bits: 1 fixed pitch; high nibble: family
    int charSet = 0;
};

struct TextMetrics {
    int height = 0;  // ascent + descent, logical units
    int ascent = 0;
    int externalLeading = 0;
};

// Text output through a QPainter in the views' coordinates. Fonts are resolved when
// they are selected, in the mapping mode of that moment.
class DeviceContext {
public:
    // `dpiX`/`dpiY`: the device's resolution; `origin`: the device point that is logical
    // (0, 0) in twips, the top-left of the printable area.
    DeviceContext(QPainter& painter, double dpiX, double dpiY, QPointF origin = {});

    void SetMapMode(MapMode mode) { mapMode_ = mode; }
    MapMode mapMode() const { return mapMode_; }
    double dpiY() const { return dpiY_; }
    QPainter& painter() const { return painter_; }

    // A font of `tenthsOfPoint` (100 = 10 points) in the current mapping mode.
    FontRequest PointFont(int tenthsOfPoint, const QString& face) const;

    // Selects a font and returns the one selected before (empty before any).
    FontRequest SelectFont(const FontRequest& font);
    const FontRequest& selectedFont() const { return selected_; }

    TextMetrics GetTextMetrics() const;
    // Draws `text` with the top-left of its cell at the logical point (x, y).
    void TextOut(int x, int y, const QString& text);

    // Saves and restores the mapping mode and the selected font.
    int SaveDC();
    void RestoreDC(int saved);

    // Device pixels per logical unit, across and down.
    double UnitsToPixelsX() const;
    double UnitsToPixelsY() const;
    QPointF ToDevice(int x, int y) const;
    // The QFont a request resolves to on this device.
    QFont Resolve(const FontRequest& font) const;

private:
    struct State {
        MapMode mapMode;
        FontRequest selected;
    };

    QPainter& painter_;
    double dpiX_;
    double dpiY_;
    QPointF origin_;
    MapMode mapMode_ = MapMode::Text;
    FontRequest selected_;
    std::vector<State> saved_;
};

// The faces the views name, mapped onto what a Linux desktop has: "Courier New" onto
// its metric twin Liberation Mono, "Verdana" onto a sans face. Idempotent.
void InstallFontSubstitutions();

}  // namespace gridtally::gui
