#pragma once

#include <QImage>

// The built-in pictures, decoded from the program's resources: the NV logo window's 167 x 49 picture
// (8 bits per pixel) and the main window's 133 x 39 picture (24 bits per pixel).
QImage nvLogoSample();
QImage mainWindowSample();
