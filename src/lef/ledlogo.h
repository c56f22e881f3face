#pragma once

#include <QImage>

// The window's decoration: a 133 x 39 picture of a display showing an amount.
QImage ledLogo();
