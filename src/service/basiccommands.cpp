#include "basiccommands.h"

#include "app/sharedstate.h"

QByteArray printTestCommand(int repeatCount, int lineLength) {
    const int lines = repeatCount > 0 ? repeatCount : 0;
    QByteArray bytes;
    bytes.reserve(13 + qsizetype(lines) * (lineLength + 1));
    bytes.append(ESC).append(0x40).append(ESC).append(0x55).append('\0').append(ESC).append(0x33).append(
        0x0E);
    for (int line = 0; line < lines; ++line)
        bytes.append(lineLength, 'H').append(LF);
    bytes.append(ESC).append(0x40).append(ESC).append(0x64).append(0x06);
    return bytes;
}

QByteArray cashDrawerCommand() {
    return QByteArray("\x1B\x70\x00\x32\x32\x0D", 6);
}

QByteArray cutCommand() {
    return QByteArray("\x1D\x56\x42\x18", 4);
}
