#include "app/mainwindow.h"
#include "app/startup.h"
#include "form2.h"

void TServicePanel::CheckBox7Click() {
    Button3->setEnabled(CheckBox7->isChecked());
}

void TServicePanel::Button3Click() {
    Form2->show();
    Form2->raise();
}
