#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Readable failure output for Qt values in GoogleTest.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray &bytes, std::ostream *out) {
    *out << bytes.toHex(' ').toStdString();
}
