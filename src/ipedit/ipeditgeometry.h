#pragma once

#include <QPoint>
#include <QRect>
#include <array>

// What the address control's layout depends on: its outer size and the absolute size of its font.
struct IPEditMetrics {
    int width = 0;       // W, pixels
    int height = 0;      // H, pixels
    int pointSize = 0;   // P, points
    int pixelHeight = 0; // F, pixels
};

// Where the four fields go and where the three separating dots are painted, in client coordinates.
struct IPEditLayout {
    int fieldWidth = 0; // s
    int gap = 0;        // g
    int left = 0;       // x0, may be negative when the fields are wider than the control
    int top = 0;        // y
    std::array<QRect, 4> fields;
    std::array<QPoint, 3> dots; // top-left corner of each "." text cell
};

// Shared by field placement and painting so the dots always sit where the fields end.
IPEditLayout ipEditLayout(const IPEditMetrics &metrics);

// The separating dots are painted at this size whatever the control's font, so they stay visible
// next to small fields.
constexpr int ipEditDotPointSize = 18;

struct IPFontSize {
    int points = 0;
    int pixels = 0;
};

// P and F of a font given either in points (pixelSize <= 0) or in pixels (pointSize ignored),
// converted at dpi and rounded as the layout expects (9 pt at 96 dpi is 12 px; 20 px is 15 pt).
IPFontSize ipFontSize(double pointSize, int pixelSize, int dpi);
