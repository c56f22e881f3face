#include "coms/statusquery.h"

#include "support/gtestqt.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusQuery, FamiliesAskWithTheirRequestAndBit) {
    for (const int family : {0, 1, 2}) {
        const StatusQuery query = statusQueryFor(family);
        EXPECT_EQ(query.request, QByteArray::fromHex("100401"));
        EXPECT_EQ(query.mask, 0x08);
        EXPECT_EQ(query.offLine, QStringLiteral("88888"));
    }
    const StatusQuery escV = statusQueryFor(3);
    EXPECT_EQ(escV.request, QByteArray::fromHex("1b76"));
    EXPECT_EQ(escV.mask, 0x04);
    EXPECT_EQ(escV.onLine, QStringLiteral("00000"));
    EXPECT_EQ(escV.offLine, QStringLiteral("44444"));
}

TEST(StatusQuery, ReplyBytesAreReadOnlyInTheMaskedBit) {
    const struct {
        QByteArray reply;
        int mask;
        QString text;
    } cases[] = {
        {QByteArray(5, '\x12'), 0x08, QStringLiteral("00000")},
        {QByteArray(5, '\x1A'), 0x08, QStringLiteral("88888")},
        {QByteArray(5, '\x0C'), 0x04, QStringLiteral("44444")},
        {QByteArray(5, '\xF7'), 0x08, QStringLiteral("00000")},
        {QByteArray(5, '\xFF'), 0x04, QStringLiteral("44444")},
        {QByteArray::fromHex("081a0012"), 0x08, QStringLiteral("8800")},
        {QByteArray(), 0x08, QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(maskedReplyText(c.reply, c.mask), c.text) << c.reply.toHex().toStdString();
}

TEST(StatusQuery, OnlyAFullMatchingReplyIsOnOrOffLine) {
    const StatusQuery dle = statusQueryFor(0);
    const StatusQuery escV = statusQueryFor(3);
    EXPECT_EQ(printerStatus(QStringLiteral("00000"), dle), PrinterStatus::OnLine);
    EXPECT_EQ(printerStatus(QStringLiteral("88888"), dle), PrinterStatus::OffLine);
    EXPECT_EQ(printerStatus(QStringLiteral("44444"), escV), PrinterStatus::OffLine);
    EXPECT_EQ(printerStatus(QStringLiteral("44444"), dle), PrinterStatus::NoPrinter);
    EXPECT_EQ(printerStatus(QStringLiteral("0000"), dle), PrinterStatus::NoPrinter);
    EXPECT_EQ(printerStatus(QStringLiteral("08888"), dle), PrinterStatus::NoPrinter);
    EXPECT_EQ(printerStatus(QString(), escV), PrinterStatus::NoPrinter);
}

TEST(StatusQuery, ResultsHaveTheirTextsAndColours) {
    EXPECT_EQ(statusDisplay(PrinterStatus::OnLine).text, QStringLiteral("打印机 联机."));
    EXPECT_EQ(statusDisplay(PrinterStatus::OnLine).colour, QColor(0, 128, 0));
    EXPECT_EQ(statusDisplay(PrinterStatus::OffLine).text, QStringLiteral("打印机 脱机!"));
    EXPECT_EQ(statusDisplay(PrinterStatus::OffLine).colour, QColor(255, 255, 0));
    EXPECT_EQ(statusDisplay(PrinterStatus::NoPrinter).text, QStringLiteral("未检测到 打印机!"));
    EXPECT_EQ(statusDisplay(PrinterStatus::NoPrinter).colour, QColor(255, 0, 0));
}

} // namespace
