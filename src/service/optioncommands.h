#pragma once

#include <QByteArray>
#include <QString>

// The printer's option settings, vendor configuration commands 1F 1B 1F, a function byte, fixed bytes
// and a value byte. The list commands take the selected item index of their list (-1: none).
QByteArray densityCommand(int itemIndex);      // 1F 1B 1F 60 04 05 06: 0 33, 1 55, other 77
QByteArray autoLineFeedCommand(int itemIndex); // 1F 1B 1F 58 14 15 16: 0 22, other 11
QByteArray reprintCommand(int itemIndex);      // 1F 1B 1F F4 11 22 33: 0 55, other 33
QByteArray emulationCommand(int itemIndex);    // 1F 1B 1F DC 10 11 12 15 16 17: 0 55, other 33
QByteArray buzzerCommand(int itemIndex);       // 1F 1B 1F 42 65 65 70: 0 08, other 06
QByteArray smallFontCommand(int itemIndex);    // 1F 1B 1F E5 09 06 03: 0 AA, other 77

// The printer's serial rate: 1F 1B 1F FD and the first character of the rate list's text as a number
// (the items begin with their code 0 to 6). A first character that is no digit, or an empty text,
// raises the conversion error for that character.
QByteArray serialRateCommand(const QString &rateText);

// Beeper prompt: 10 15, the count and the time, each as one byte.
QByteArray beeperPromptCommand(int count, int time);
