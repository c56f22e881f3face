#pragma once

// Conversion of a picture into the printer's dot data, shared by every command of the NV logo window.
// Plain functions of a QImage and plain values: no widgets.

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

// The dot threshold of every conversion but the NV logo download (which reads it from Edit10).
inline constexpr int defaultDotThreshold = 8388608; // 0x800000: blue 0 to 127 prints

// A data size of this many bytes or more is too large for the NV logo download and the exports.
inline constexpr int dataSizeLimit = 50000;

// Blank dots needed to round a count of dots up to whole bytes: 0 for a multiple of 8.
int fillOf(int dots);
// Whole bytes holding a count of dots (rounded up).
int bytesOf(int dots);

// The raster geometry of one conversion, computed afresh by every command.
struct RasterGeometry {
    int widthDots = 0;   // W
    int heightDots = 0;  // H
    int columnFill = 0;  // blank columns right of W
    int rowFill = 0;     // blank rows below H
    int widthBytes = 0;  // bytes of W
    int heightBytes = 0; // bytes of H
    int xL = 0, xH = 0;  // width in bytes mod 256, div 256
    int yL = 0, yH = 0;  // height in bytes mod 256, div 256
    int dataSize = 0;    // (xL + 256 xH) (yL + 256 yH) 8

    int paddedColumns() const { return 8 * widthBytes; } // W + column fill
    int paddedRows() const { return 8 * heightBytes; }   // H + row fill
    bool tooLarge() const { return dataSize >= dataSizeLimit; }
};

RasterGeometry rasterGeometry(int widthDots, int heightDots);

// The colour value of the dot test: 65536 blue + 256 green + red.
inline int colourValue(QRgb colour) {
    return (qBlue(colour) << 16) | (qGreen(colour) << 8) | qRed(colour);
}
// A pixel prints when its colour value is below the threshold.
inline bool isDot(QRgb colour, int threshold) {
    return colourValue(colour) < threshold;
}

enum class ByteLayout {
    ColumnBytes, // 8 vertically adjacent dots of one column per byte, top dot in bit 7; column by column
    RowBytes,    // 8 horizontally adjacent dots of one row per byte, leftmost dot in bit 7; row by row
};

// The area a conversion samples. Raster column c is picture column firstColumn + c, raster row r is
// picture row r; a position outside the picture is blank.
struct RasterSample {
    int firstColumn = 0; // the left trim t
    int columns = 0;     // a multiple of 8 in the row-byte layout
    int rows = 0;        // a multiple of 8 in the column-byte layout
    int threshold = defaultDotThreshold;
};

// Dot data in column-byte layout: columns × rows / 8 bytes. rows must be a multiple of 8.
QByteArray columnByteData(const QImage &picture, const RasterSample &sample);
// Dot data in row-byte layout: columns / 8 × rows bytes. columns must be a multiple of 8.
QByteArray rowByteData(const QImage &picture, const RasterSample &sample);

// The commands that convert the picture, one row each of the table of conversion variants.
enum class ConversionCommand {
    NvLogoDownload,    // W = w - t, H = h + 1, T from Edit10, column bytes, padded raster from column t
    DefineBitImage,    // W = w - t, H = h + 1, fixed T, column bytes; the bit image limits then cut the area
    ConvertedDataText, // W = w, H = h, fixed T, column bytes, padded raster
    ScrambledData,     // as ConvertedDataText
    CutterTest,        // W = w, H = h, fixed T, row bytes, padded columns by h rows
};

enum class SizeCheck {
    DataSizeLimit,  // a data size of 50000 or more is refused
    BitImageLimits, // the limits of the downloaded bit image, applied by its command
    None,
};

// What a command's conversion is: its geometry, the area it samples, its layout and its size check.
struct ConversionPlan {
    RasterGeometry geometry;
    RasterSample sample;
    ByteLayout layout = ByteLayout::ColumnBytes;
    SizeCheck sizeCheck = SizeCheck::None;
};

// The plan of one command for a picture of the given size. leftTrim is used only by the commands that
// trim (NV logo download, define bit image), threshold only by the NV logo download; the others take
// 0 and defaultDotThreshold.
ConversionPlan conversionPlan(ConversionCommand command, QSize picture, int leftTrim = 0,
                              int threshold = defaultDotThreshold);

// The dot data of a plan in its layout.
QByteArray convert(const QImage &picture, const ConversionPlan &plan);

// A value as uppercase hexadecimal with at least two digits ("0F", "2C", "12C").
QString hexDigits(unsigned value);
// A text of "0" and "1", most significant first, as uppercase hexadecimal of at least two digits.
QString BitsToHex(const QString &bits);
