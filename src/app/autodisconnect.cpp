#include "autodisconnect.h"

#include "sharedstate.h"
#include "textconv.h"

namespace {

constexpr char modeOff = 0x55;
constexpr char modeOn = 0x33;

QByteArray command(char modeByte, char minutesByte) {
    QByteArray bytes;
    bytes.reserve(12);
    bytes.append(0x1F).append(ESC).append(0x1F).append(static_cast<char>(0x95));
    bytes.append("\x01\x02\x03\x11\x12\x13", 6);
    bytes.append(modeByte).append(minutesByte);
    return bytes;
}

} // namespace

QByteArray autoDisconnectCommand(int itemIndex) {
    return command(itemIndex == 0 ? modeOff : modeOn, lowByte(itemIndex));
}

QByteArray autoDisconnectOffCommand() {
    return command(modeOff, modeOff);
}
