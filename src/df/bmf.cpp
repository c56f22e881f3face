#include "bmf.h"

Tbmf::Tbmf(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("bmf"));
    setWindowTitle(QStringLiteral("KQ B4针打黑标定位偏移量设置/演示"));
    setGeometry(352, 180, 476, 337);
}
