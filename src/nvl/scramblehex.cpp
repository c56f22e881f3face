#include "scramblehex.h"

#include "app/textconv.h"

#include <cstdint>

namespace {

constexpr std::uint32_t plainOffset = 67;

QString upperHex(std::uint32_t value) {
    return QString::number(value, 16).toUpper();
}

// The byte written by the two characters of text starting at position pos (0-based).
std::uint32_t byteAt(const QString &text, qsizetype pos) {
    return static_cast<std::uint32_t>(StrToInt(QLatin1Char('$') + text.mid(pos, 2)));
}

} // namespace

QString ScrambleHex(const QString &plain, const QString &key) {
    // A negative difference is written as its 32-bit two's complement, so the arithmetic is unsigned.
    QString workingKey =
        upperHex(static_cast<std::uint32_t>(StrToInt(QLatin1Char('$') + plain)) - plainOffset);
    QString result;
    for (qsizetype i = 0; i < key.size() / 2; ++i) {
        if (i > 0)
            workingKey = result;
        result.clear();
        const std::uint32_t keyByte = byteAt(key, 2 * i);
        for (qsizetype j = 0; j < workingKey.size() / 2; ++j)
            result += upperHex(keyByte ^ byteAt(workingKey, 2 * j));
    }
    return result.right(2);
}
