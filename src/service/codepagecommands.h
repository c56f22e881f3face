#pragma once

#include <QByteArray>
#include <QString>

// Prints the impact printer's H parameter: 1F 1B 1F FB ESC d 06.
QByteArray printHCommand();

// Sets parameter T: 1F 1B 1F FC and the list text read as a hexadecimal number ("$" put in front),
// as one byte. A text that is no number raises the conversion error for "$" and the text.
QByteArray parameterTCommand(const QString &digitText);

// Sets the default code page: 1F 1B 1F FF, the page as one byte, LF LF.
QByteArray defaultCodePageCommand(int page);

// Prints the bytes 80 to FF in the normal and in the double-size mode, then cuts (277 bytes).
QByteArray codePagePrintCommand();
