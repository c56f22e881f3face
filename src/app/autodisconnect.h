#pragma once

#include <QByteArray>

// The auto-disconnect command: 1F ESC 1F 95 01 02 03 11 12 13, a mode byte (55 off, 33 on) and a
// minutes byte. Set sends the list's item index (any index but 0 means on, -1 included).
QByteArray autoDisconnectCommand(int itemIndex);
// The OFF button writes the off mode byte twice: ... 55 55.
QByteArray autoDisconnectOffCommand();
