#include "bitimagecommands.h"

#include "app/sharedstate.h"
#include "app/textconv.h"

#include <algorithm>

namespace {

constexpr int maxWidthBytes = 255;
constexpr int maxHeightBytes = 48;
constexpr int maxBytes = 1536;

// GS / m: print the downloaded bit image in mode m.
QByteArray printInMode(char mode) {
    QByteArray command;
    command += GS;
    command += '/';
    command += mode;
    return command;
}

} // namespace

BitImageSize limitBitImage(int widthBytes, int heightBytes) {
    BitImageSize size{std::min(widthBytes, maxWidthBytes), std::min(heightBytes, maxHeightBytes)};
    if (size.x * size.y > maxBytes)
        size.y = maxBytes / size.x;
    return size;
}

QByteArray defineBitImageCommand(BitImageSize size, const QByteArray &dots) {
    QByteArray command = "xL=" + QByteArray::number(size.x) + ";yL=" + QByteArray::number(size.y);
    command += LF;
    command += GS;
    command += '*';
    command += lowByte(size.x);
    command += lowByte(size.y);
    command += dots;
    return command;
}

QByteArray printBitImageFourModesCommand() {
    return printInMode('\x00') + printInMode('\x01') + printInMode('\x02') + printInMode('\x03');
}

QByteArray printBitImageOnceCommand() {
    QByteArray command;
    command += ESC;
    command += 'a';
    command += '\x00';
    command += printInMode('\x00');
    command += LF;
    command += "plimo";
    command += LF;
    return command;
}

QString bitImageSizeText(BitImageSize size) {
    return QStringLiteral("位图大小: %1 字节").arg(size.x * size.y);
}
