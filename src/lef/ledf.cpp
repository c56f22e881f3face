#include "ledf.h"

Tledf::Tledf(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("ledf"));
    setWindowTitle(QStringLiteral("KQ-A350 LED显示演示"));
    setGeometry(192, 114, 476, 337);
}
