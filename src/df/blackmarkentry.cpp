#include "app/mainwindow.h"
#include "app/startup.h"
#include "bmf.h"

void TServicePanel::dcbClick() {
    db->setEnabled(dcb->isChecked());
}

void TServicePanel::dbClick() {
    bmf->show();
    bmf->raise();
}
