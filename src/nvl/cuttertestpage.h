#pragma once

#include <QByteArray>

// The cutter test page and its numbered copies. Control bytes come from the control-character table.

// The raster block: GS v 0 0, the width in bytes and the height in dots (low byte first), the dot data
// in row-byte layout, LF.
QByteArray cutterRasterBlock(int widthBytes, int heightDots, const QByteArray &rowBytes);

// The test page around the raster block (used twice), with nulCount NUL bytes (none when 0 or less).
QByteArray cutterTestPage(const QByteArray &rasterBlock, int nulCount);

// What precedes copy number k: centred alignment, k in ASCII decimal, LF.
QByteArray cutterCopyHeader(int k);
