#pragma once

#include <QByteArray>

// Print test: ESC @ ESC U 00 ESC 3 0E, then repeatCount lines of lineLength bytes 'H' and LF (none
// when repeatCount is 0 or below), then ESC @ ESC d 06.
QByteArray printTestCommand(int repeatCount, int lineLength);

// Opens the cash drawer: 1B 70 00 32 32 0D.
QByteArray cashDrawerCommand();

// Cuts the paper: 1D 56 42 18.
QByteArray cutCommand();
