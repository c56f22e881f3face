#include "ipeditgeometry.h"

#include <cmath>

IPEditLayout ipEditLayout(const IPEditMetrics &m) {
    IPEditLayout l;
    l.fieldWidth = 3 * m.pointSize;
    l.gap = l.fieldWidth / 9 + 1;
    // C++ division truncates toward zero, which the layout relies on for narrow controls.
    l.left = (m.width - 4 * l.fieldWidth - 3 * l.gap - 4) / 2;
    l.top = (m.height - m.pixelHeight - 6) / 2 + 1;
    const int step = l.fieldWidth + l.gap;
    for (int i = 0; i < 4; ++i)
        l.fields[i] = QRect(l.left + i * step, l.top, l.fieldWidth, m.height - 2);
    for (int k = 0; k < 3; ++k)
        l.dots[k] = QPoint(l.left + l.fieldWidth + k * step, l.top + l.fieldWidth / 3 - ipEditDotPointSize);
    return l;
}

IPFontSize ipFontSize(double pointSize, int pixelSize, int dpi) {
    if (dpi <= 0)
        dpi = 96;
    IPFontSize size;
    if (pixelSize > 0) {
        size.pixels = pixelSize;
        size.points = static_cast<int>(std::lround(pixelSize * 72.0 / dpi));
    } else {
        size.points = static_cast<int>(std::lround(pointSize));
        size.pixels = static_cast<int>(std::lround(pointSize * dpi / 72.0));
    }
    return size;
}
