#include "optioncommands.h"

#include "app/sharedstate.h"
#include "app/textconv.h"

namespace {

QByteArray configuration(char function, const QByteArray &fixed, char value) {
    QByteArray bytes;
    bytes.reserve(5 + fixed.size());
    bytes.append(0x1F).append(ESC).append(0x1F).append(function).append(fixed).append(value);
    return bytes;
}

char byIndex(int itemIndex, int first, int other) {
    return lowByte(itemIndex == 0 ? first : other);
}

} // namespace

QByteArray densityCommand(int itemIndex) {
    const int value = itemIndex == 0 ? 0x33 : itemIndex == 1 ? 0x55 : 0x77;
    return configuration(0x60, QByteArray("\x04\x05\x06"), lowByte(value));
}

QByteArray autoLineFeedCommand(int itemIndex) {
    return configuration(0x58, QByteArray("\x14\x15\x16"), byIndex(itemIndex, 0x22, 0x11));
}

QByteArray reprintCommand(int itemIndex) {
    return configuration(lowByte(0xF4), QByteArray("\x11\x22\x33"), byIndex(itemIndex, 0x55, 0x33));
}

QByteArray emulationCommand(int itemIndex) {
    return configuration(lowByte(0xDC), QByteArray("\x10\x11\x12\x15\x16\x17"),
                         byIndex(itemIndex, 0x55, 0x33));
}

QByteArray buzzerCommand(int itemIndex) {
    return configuration(0x42, QByteArray("\x65\x65\x70"), byIndex(itemIndex, 0x08, 0x06));
}

QByteArray smallFontCommand(int itemIndex) {
    return configuration(lowByte(0xE5), QByteArray("\x09\x06\x03"), byIndex(itemIndex, 0xAA, 0x77));
}

QByteArray serialRateCommand(const QString &rateText) {
    const bool pair = !rateText.isEmpty() && rateText.front().isHighSurrogate();
    const int rateCode = StrToInt(rateText.left(pair ? 2 : 1));
    return configuration(lowByte(0xFD), QByteArray(), lowByte(rateCode));
}

QByteArray beeperPromptCommand(int count, int time) {
    return QByteArray("\x10\x15", 2).append(lowByte(count)).append(lowByte(time));
}
