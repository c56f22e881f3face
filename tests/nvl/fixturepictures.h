#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

// Pictures and bitmap files made by the tests themselves, with an encoder written apart from the
// program's decoder.

// A 32-bit picture whose pixel (x, y) is colour(x, y).
QImage paintedPicture(int width, int height, const std::function<QRgb(int, int)> &colour);

enum class RowOrder { BottomUp, TopDown };
enum class Compression { None, Rle };

// The picture as a Windows bitmap file of 1, 4, 8, 24 or 32 bits per pixel. Indexed depths take a
// colour table of the picture's own colours (at most 2^bits of them); Rle packs 8 and 4 bits per pixel
// as runs of one pixel each, ending with the end-of-bitmap code.
QByteArray bitmapFile(const QImage &picture, int bitsPerPixel, RowOrder order = RowOrder::BottomUp,
                      Compression compression = Compression::None);

// Writes bytes to a file; the path is returned for chaining.
QString writeFile(const QString &path, const QByteArray &bytes);

// The dot data the conversion must give, read pixel by pixel with QImage::pixel and laid out one bit
// at a time: column by column (top dot in bit 7) or row by row (leftmost dot in bit 7).
QByteArray expectedColumnBytes(const QImage &picture, int firstColumn, int columns, int rows, int threshold);
QByteArray expectedRowBytes(const QImage &picture, int columns, int rows, int threshold);
