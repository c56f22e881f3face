#include "statusquery.h"

StatusQuery statusQueryFor(int familyIndex) {
    if (familyIndex == 3)
        return {QByteArray("\x1B\x76", 2), 0x04, QStringLiteral("00000"), QStringLiteral("44444")};
    return {QByteArray("\x10\x04\x01", 3), 0x08, QStringLiteral("00000"), QStringLiteral("88888")};
}

QString maskedReplyText(const QByteArray &reply, int mask) {
    QString text;
    for (const char byte : reply)
        text += QString::number(static_cast<unsigned char>(byte) & mask);
    return text;
}

PrinterStatus printerStatus(const QString &maskedReply, const StatusQuery &query) {
    if (maskedReply == query.onLine)
        return PrinterStatus::OnLine;
    if (maskedReply == query.offLine)
        return PrinterStatus::OffLine;
    return PrinterStatus::NoPrinter;
}

StatusDisplay statusDisplay(PrinterStatus status) {
    switch (status) {
    case PrinterStatus::OnLine:
        return {QStringLiteral("打印机 联机."), QColor(0, 128, 0)};
    case PrinterStatus::OffLine:
        return {QStringLiteral("打印机 脱机!"), QColor(255, 255, 0)};
    case PrinterStatus::NoPrinter:
        break;
    }
    return {QStringLiteral("未检测到 打印机!"), QColor(255, 0, 0)};
}
