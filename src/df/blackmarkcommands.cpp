#include "blackmarkcommands.h"

#include "app/errors.h"
#include "app/sharedstate.h"
#include "app/textconv.h"

#include <QString>
#include <QStringEncoder>
#include <cmath>
#include <limits>

namespace {

// Held at extended precision, which decides the near halves: 5.3802 mm is 30.500000000000004 units
// (31), not the 30.5 (30) of a double division.
constexpr long double millimetresPerUnit = 0.1764L;

QByteArray gbk(const QString &text) {
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

QByteArray demoCommand(const QString &secondLine, const QByteArray &feed) {
    QByteArray bytes = gbk(QStringLiteral("开始打印"));
    bytes.append(LF).append(gbk(secondLine));
    bytes.append(ESC).append('d').append('\x05').append(LF);
    bytes.append(GS).append('T').append(feed).append(CR);
    return bytes;
}

} // namespace

BlackMarkOffset blackMarkOffset(double millimetres) {
    const double quotient = static_cast<double>(static_cast<long double>(millimetres) / millimetresPerUnit);
    const double rounded = std::nearbyint(quotient); // the default rounding mode: halves to even
    // Out of range, a conversion to int is undefined and the printer would get a meaningless offset.
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        throw KqError(QStringLiteral("Invalid floating point operation"));
    const int units = static_cast<int>(rounded);
    return {units, units % 256, units / 256};
}

QByteArray blackMarkOffsetCommand(BlackMarkPosition position, FeedDirection direction,
                                  const BlackMarkOffset &offset) {
    QByteArray bytes;
    bytes.reserve(11);
    bytes.append(GS).append('T').append(GS).append("(F\x04", 3).append('\0');
    bytes.append(static_cast<char>(position)).append(static_cast<char>(direction));
    bytes.append(lowByte(offset.nL)).append(lowByte(offset.nH));
    return bytes;
}

QByteArray printStartDemoCommand() {
    return demoCommand(QStringLiteral("然后走纸到下一个起始打印位置"), QByteArray(1, GS).append(FF));
}

QByteArray cutTearDemoCommand() {
    return demoCommand(QStringLiteral("然后走纸到下一个切/撕纸位置"), QByteArray(1, GS).append("VB"));
}
