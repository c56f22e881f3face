#include "codepagecommands.h"

#include "app/sharedstate.h"
#include "app/textconv.h"

namespace {

QByteArray &appendUpperHalf(QByteArray &bytes) {
    for (int value = 0x80; value <= 0xFF; ++value)
        bytes.append(lowByte(value));
    return bytes;
}

} // namespace

QByteArray printHCommand() {
    return QByteArray("\x1F\x1B\x1F\xFB", 4).append(ESC).append(0x64).append(0x06);
}

QByteArray parameterTCommand(const QString &digitText) {
    const int value = StrToInt(QLatin1Char('$') + digitText);
    return QByteArray("\x1F\x1B\x1F\xFC", 4).append(lowByte(value));
}

QByteArray defaultCodePageCommand(int page) {
    return QByteArray("\x1F\x1B\x1F\xFF", 4).append(lowByte(page)).append(LF).append(LF);
}

QByteArray codePagePrintCommand() {
    QByteArray bytes;
    bytes.reserve(277);
    bytes.append(ESC).append(0x40).append(FS).append(0x2E).append(ESC).append(0x21).append('\0');
    appendUpperHalf(bytes).append(LF).append(LF);
    bytes.append(ESC).append(0x21).append(0x30);
    appendUpperHalf(bytes).append(LF).append(ESC).append(0x40);
    bytes.append(GS).append(0x56).append(0x41).append(0x48).append(FS).append(0x26);
    return bytes;
}
