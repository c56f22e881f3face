#pragma once

#include <QByteArray>
#include <QString>

// Commands of the downloaded bit image. Control bytes come from the control-character table.

// The size of a downloaded bit image in bytes: x columns of 8 dots by y rows of 8 dots.
struct BitImageSize {
    int x = 0;
    int y = 0;
};

// The printer's limits: x at most 255, y at most 48, x × y at most 1536 (y gives way).
BitImageSize limitBitImage(int widthBytes, int heightBytes);

// The define command: the text "xL=<x>;yL=<y>" and LF, then GS * x y and the 8 × x × y dot bytes in
// column-byte layout.
QByteArray defineBitImageCommand(BitImageSize size, const QByteArray &dots);

// Prints the downloaded bit image in each of the modes 0 to 3.
QByteArray printBitImageFourModesCommand();

// Prints the downloaded bit image once, left aligned, with the line "plimo" after it.
QByteArray printBitImageOnceCommand();

// The size display after a define: "位图大小: <bytes> 字节".
QString bitImageSizeText(BitImageSize size);
