#include "send.h"

#include "mainwindow.h"
#include "messages.h"
#include "sharedstate.h"

PortChoice currentPortChoice(NameSource names) {
    PortChoice choice;
    choice.index = Form1->dk->currentIndex();
    if (names == NameSource::Items) {
        choice.deviceName = Form1->dk->itemText(choice.index);
        choice.rateText = Form1->sd->itemText(Form1->sd->currentIndex());
    } else {
        choice.deviceName = Form1->dk->currentText();
        choice.rateText = Form1->sd->currentText();
    }
    choice.address = Form1->IPE->IPString();
    return choice;
}

bool fullSend(NameSource names, const SendVariant &variant) {
    return fullSend(CmdStr, currentPortChoice(names), Form1->cp, variant);
}

bool emptyPortCheck() {
    if (!Form1->dk->currentText().isEmpty())
        return true;
    showMessage(NoticeStr);
    return false;
}
