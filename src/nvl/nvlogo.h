#pragma once

#include "raster.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// NV image 1 defined from a picture: FS 71 01, xL xH yL yH, the dot data of the plan, 01.
QByteArray nvLogoDefinition(const QImage &picture, const ConversionPlan &plan);
// The NV logo download: ESC 40, GS 54, then the definition; 12 + data size bytes.
QByteArray nvLogoDownloadCommand(const QImage &picture, const ConversionPlan &plan);
// Prints NV image 1 centred, scaling the item index of the scaling list as one ASCII digit:
// ESC 40, ESC 61 01, GS 54, FS 70 01 m, ESC 40.
QByteArray nvLogoPrintCommand(int scalingIndex);
// Defines NV image 1 as a blank 8 x 8 dot image: 16 bytes.
QByteArray nvLogoClearCommand();
// The main window's print of NV image 1 in normal size: FS 70 01 00.
QByteArray nvLogoPrintNormalCommand();

// The size display of an opened picture: "位图大小： <size> 字节".
QString pictureSizeText(int dataSize);

// The window size that shows a picture of these bytes: 750 x 539 up to 58 bytes each way, wider or
// higher beyond.
QSize windowSizeFor(const RasterGeometry &geometry);
