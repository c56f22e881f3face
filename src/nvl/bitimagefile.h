#pragma once

#include <QByteArray>
#include <QString>

// Every byte of a file, in order (an empty file gives none). The name resolves like OutFile's, so a
// file written through OutFile is read back from the same place. Failures raise EInOutError with the
// file layer's text; the file is never left open.
QByteArray readFileBytes(const QString &name);
