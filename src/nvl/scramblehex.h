#pragma once

#include <QString>

// The scrambling of the exported NV logo data: plain hexadecimal digits in, zero to two uppercase
// hexadecimal digits out, under the key text (pairs of hexadecimal digits). A plain text that is not a
// hexadecimal number raises the integer conversion's error.
QString ScrambleHex(const QString &plain, const QString &key);
