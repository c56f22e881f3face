#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/sharedstate.h"
#include "app/startup.h"
#include "ledf.h"

namespace {

constexpr int com1Index = 2;
constexpr int rate2400Index = 0;

} // namespace

void TServicePanel::lcbClick() {
    lb->setEnabled(lcb->isChecked());
    if (!lcb->isChecked())
        return; // the port and rate choice stay as they are
    // Selections made here raise no change handler of the lists.
    Form1->dk->setCurrentIndex(com1Index);
    Form1->sd->setCurrentIndex(rate2400Index);
}

void TServicePanel::lbClick() {
    // The display is driven over a serial line at 2400 baud; the texts must match exactly.
    if (Form1->dk->currentText().left(3) != QLatin1String("COM")) {
        showMessage(QStringLiteral("You must select Serial Port for KQ-A350's LED Display!!"));
        return;
    }
    if (Form1->sd->currentText() != QLatin1String("2400")) {
        showMessage(QStringLiteral("You must select 2400bps for KQ-A350's LED Display!!"));
        return;
    }
    ledf->show();
    ledf->raise();
}
