#pragma once

#include <QFont>
#include <QString>

// Fixed layouts give font heights in pixels.
inline QFont pixelFont(const QString &family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

// Names a control and puts it at its place in the window's client area.
template <class Control>
Control *place(Control *control, const char *name, int left, int top, int width, int height) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(left, top, width, height);
    return control;
}
