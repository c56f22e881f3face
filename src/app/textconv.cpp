#include "textconv.h"

#include "errors.h"

#include <QLocale>
#include <cstdint>

namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

bool isDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

qsizetype skipBlanks(const QString &text, qsizetype pos) {
    while (pos < text.size() && text[pos] == QLatin1Char(' '))
        ++pos;
    return pos;
}

std::optional<int> parseHex(const QString &text, qsizetype pos) {
    if (pos >= text.size())
        return std::nullopt;
    std::uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int d = hexDigit(text[pos]);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + static_cast<unsigned>(d);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    return static_cast<int>(static_cast<std::uint32_t>(value));
}

std::optional<int> parseDecimal(const QString &text, qsizetype pos) {
    bool negative = false;
    if (pos < text.size() && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-'))) {
        negative = text[pos] == QLatin1Char('-');
        ++pos;
    }
    if (pos >= text.size())
        return std::nullopt;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        if (!isDigit(text[pos]))
            return std::nullopt;
        value = value * 10 + (text[pos].unicode() - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace

std::optional<int> tryStrToInt(const QString &text) {
    const qsizetype pos = skipBlanks(text, 0);
    const QStringView rest = QStringView(text).mid(pos);
    if (rest.startsWith(QLatin1String("0x")) || rest.startsWith(QLatin1String("0X")))
        return parseHex(text, pos + 2);
    if (rest.startsWith(QLatin1Char('$')) || rest.startsWith(QLatin1Char('x')) ||
        rest.startsWith(QLatin1Char('X')))
        return parseHex(text, pos + 1);
    return parseDecimal(text, pos);
}

int StrToInt(const QString &text) {
    if (const auto value = tryStrToInt(text))
        return *value;
    throw KqError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

std::optional<double> tryStrToFloat(const QString &text) {
    const QChar separator = QLocale::system().decimalPoint().at(0);
    qsizetype pos = skipBlanks(text, 0);
    QByteArray number; // normalised to the C form for the conversion
    if (pos < text.size() && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-')))
        number += static_cast<char>(text[pos++].unicode());
    int mantissaDigits = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos, ++mantissaDigits)
        number += static_cast<char>(text[pos].unicode());
    bool hasSeparator = false;
    if (pos < text.size() && text[pos] == separator) {
        hasSeparator = true;
        number += '.';
        for (++pos; pos < text.size() && isDigit(text[pos]); ++pos, ++mantissaDigits)
            number += static_cast<char>(text[pos].unicode());
    }
    if (mantissaDigits == 0 && !hasSeparator)
        return std::nullopt;
    if (mantissaDigits == 0)
        number += '0'; // a lone separator reads as 0
    if (pos < text.size() && (text[pos] == QLatin1Char('E') || text[pos] == QLatin1Char('e'))) {
        number += 'e';
        ++pos;
        if (pos < text.size() && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-')))
            number += static_cast<char>(text[pos++].unicode());
        int exponentDigits = 0;
        for (; pos < text.size() && isDigit(text[pos]); ++pos, ++exponentDigits)
            number += static_cast<char>(text[pos].unicode());
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (skipBlanks(text, pos) != text.size())
        return std::nullopt;
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

double StrToFloat(const QString &text) {
    if (const auto value = tryStrToFloat(text))
        return *value;
    throw KqError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}
