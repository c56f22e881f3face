#include "sharedstate.h"

TForm1 *Form1 = nullptr;
QString NoticeStr;
QByteArray CmdStr;
QString PrinterIP;
OutputFile OutFile;

char NUL = 0, ESC = 0, FS = 0, GS = 0, LF = 0, FF = 0, CR = 0, SP = 0, CAN = 0;

void setControlCharacters() {
    NUL = 0x00;
    ESC = 0x1B;
    FS = 0x1C;
    GS = 0x1D;
    LF = 0x0A;
    FF = 0x0C;
    CR = 0x0D;
    SP = 0x20;
    CAN = 0x18;
}
