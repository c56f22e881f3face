#pragma once

#include <QByteArray>
#include <QString>

// Commands of the printer's LED customer display.
QByteArray ledUnitPriceCommand();       // ESC s 1: light the unit-price indicator
QByteArray ledTotalCommand();           // ESC s 2: light the total indicator
QByteArray ledClearScreenCommand();     // FF
QByteArray ledClearCursorLineCommand(); // CAN
QByteArray ledInitialiseCommand();      // ESC @
// ESC Q A, the amount's bytes in the system code page, unchecked, CR.
QByteArray ledAmountCommand(const QString &amount);
