#include "servicepanel.h"

void TServicePanel::createServicePanel(QWidget *form) {
    tb = new QPushButton(form);
    tb->setObjectName(QStringLiteral("tb"));
    tb->hide();
}
