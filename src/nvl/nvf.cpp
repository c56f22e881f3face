#include "nvf.h"

Tnvf::Tnvf(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint) {
    setObjectName(QStringLiteral("nvf"));
    setWindowTitle(QStringLiteral("KQ C6 NV Logo 演示"));
    resize(750, 539);
}
