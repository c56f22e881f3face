#pragma once

#include <QByteArray>

// The export text of NV logo data: one entry ",0x<digits>" per byte, broken into ".db" lines.

// Entries with each byte in two uppercase hexadecimal digits.
QByteArray plainEntries(const QByteArray &bytes);
// Entries with each byte's two digits scrambled under the key "D4" (zero to two digits an entry).
QByteArray scrambledEntries(const QByteArray &bytes);

// Inserts the line prefix CR LF ".db" and two spaces before every 50 characters of entry text, the first
// before the text itself, whatever the entry boundaries.
QByteArray breakIntoLines(const QByteArray &text);
// Deletes every space that stands directly before a comma, together with that comma.
QByteArray removeSpaceCommas(const QByteArray &text);
