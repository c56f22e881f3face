#pragma once

#include <QByteArray>
#include <QString>

// The HEX option's copy of a result: the file named by the user is created or truncated through
// OutFile and receives the bytes unchanged, with no line end. File errors raise EInOutError; the file
// is released before the error leaves.
void writeHexFile(const QString &fileName, const QByteArray &bytes);
