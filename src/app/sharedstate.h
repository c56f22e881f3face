#pragma once

#include "link/outputfile.h"

#include <QByteArray>
#include <QString>

class TForm1;

// Process-wide state through which the windows cooperate. Used on the GUI thread only.
extern TForm1 *Form1;
extern QString NoticeStr;
extern QByteArray CmdStr;
extern QString PrinterIP;
extern OutputFile OutFile;

// The control-character table: 0 until the main window has been created.
extern char NUL, ESC, FS, GS, LF, FF, CR, SP, CAN;

// Fills the control-character table; run by the main window's creation.
void setControlCharacters();
