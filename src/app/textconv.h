#pragma once

#include <QString>
#include <optional>

// The one integer conversion of control text: leading blanks, then a signed decimal number or a
// hexadecimal one ($, x, X, 0x, 0X); nothing may follow; the value must fit 32 bits signed (hexadecimal
// up to FFFFFFFF is taken as two's complement).
std::optional<int> tryStrToInt(const QString &text);

// As tryStrToInt, raising KqError "'<text>' is not a valid integer value" on failure.
int StrToInt(const QString &text);

// The one floating-point conversion of control text: blanks around the number allowed, an optional
// sign, digits with one optional '.', an optional exponent (E or e, optional sign, digits).
std::optional<double> tryStrToFloat(const QString &text);

// As tryStrToFloat, raising KqError "'<text>' is not a valid floating point value" on failure.
double StrToFloat(const QString &text);

// A number sent as one byte: its low 8 bits (300 is 2C, -1 is FF).
inline char lowByte(int value) {
    return static_cast<char>(static_cast<unsigned>(value) & 0xFFu);
}
