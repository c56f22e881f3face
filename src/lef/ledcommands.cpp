#include "ledcommands.h"

#include "app/sharedstate.h"

QByteArray ledUnitPriceCommand() {
    return QByteArray(1, ESC).append("s1");
}

QByteArray ledTotalCommand() {
    return QByteArray(1, ESC).append("s2");
}

QByteArray ledClearScreenCommand() {
    return QByteArray(1, FF);
}

QByteArray ledClearCursorLineCommand() {
    return QByteArray(1, CAN);
}

QByteArray ledInitialiseCommand() {
    return QByteArray(1, ESC).append('@');
}

QByteArray ledAmountCommand(const QString &amount) {
    return QByteArray(1, ESC).append("QA").append(amount.toLocal8Bit()).append(CR);
}
