#include "form2.h"

TForm2::TForm2(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("KQ 串口型号打印机状态检测"));
    setGeometry(265, 173, 476, 337);
}
