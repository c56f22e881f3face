#include "app/errors.h"
#include "link/comport.h"
#include "support/ptyprinter.h"
#include "support/testenvironment.h"

#include "support/gtestqt.h"

#include <gtest/gtest.h>
#include <termios.h>

namespace {

TEST(RateLookup, KnownNamesGiveTheirSpeedEverythingElse9600) {
    const std::pair<const char *, qint32> cases[] = {
        {"110", 110},       {"300", 300},       {"2400", 2400},     {"4800", 4800},   {"9600", 9600},
        {"14400", 14400},   {"19200", 19200},   {"38400", 38400},   {"56000", 56000}, {"57600", 57600},
        {"115200", 115200}, {"128000", 128000}, {"256000", 256000}, {"Custom", 9600}, {"custom", 9600},
        {"", 9600},         {"1200 ", 9600},    {" 1200", 9600},    {"abc", 9600},    {"230400", 9600}};
    for (const auto &[text, rate] : cases)
        EXPECT_EQ(rateFromText(QString::fromLatin1(text)), rate) << text;
}

TEST(SerialPort, OpenAppliesTheRateAndSoftwareFlowControl) {
    TestEnvironment environment;
    PtyPrinter printer(environment, QStringLiteral("COM3"));
    TComPort cp;
    cp.setPort(QStringLiteral("COM3"));
    cp.setBaudRate(rateFromText(QStringLiteral("115200")));
    cp.Open();
    EXPECT_EQ(printer.speed(), 115200);
    // XON/XOFF both ways: the printer's 0x11/0x13 are flow control, never data.
    EXPECT_TRUE(printer.inputFlags() & IXON);
    EXPECT_TRUE(printer.inputFlags() & IXOFF);
    cp.setBaudRate(2400); // applies to the open port at once
    EXPECT_EQ(printer.speed(), 2400);
    cp.Close();
}

TEST(SerialPort, WriteThatTimesOutIsAnErrorAndReleasesThePort) {
    TestEnvironment environment;
    PtyPrinter printer(environment, QStringLiteral("COM4"));
    TComPort cp;
    cp.setPort(QStringLiteral("COM4"));
    cp.Open();
    printer.holdOutput(); // the printer sent XOFF
    try {
        cp.Write(QByteArray(1, 'A'));
        FAIL() << "the write did not time out";
    } catch (const EComPort &error) {
        EXPECT_EQ(error.message(), QStringLiteral("WriteFile function failed (win error code: 1460)"));
    }
    EXPECT_FALSE(cp.Connected());
    printer.releaseOutput();
    EXPECT_TRUE(printer.received().isEmpty());
}

TEST(SerialPort, ReadReturnsAtOnceWithWhatHasArrived) {
    TestEnvironment environment;
    PtyPrinter printer(environment, QStringLiteral("COM1"));
    TComPort cp;
    cp.setPort(QStringLiteral("COM1"));
    cp.Open();
    EXPECT_TRUE(cp.Read(1).isEmpty());
    printer.send("\x12\x34");
    QByteArray reply;
    const QDeadlineTimer deadline(5000);
    while (reply.isEmpty() && !deadline.hasExpired())
        reply = cp.Read(1);
    EXPECT_EQ(reply, "\x12");
    cp.Close();
}

TEST(SerialPort, ChangingThePortNameClosesTheOpenPort) {
    TestEnvironment environment;
    PtyPrinter first(environment, QStringLiteral("COM1"));
    TComPort cp;
    cp.setPort(QStringLiteral("COM1"));
    cp.Open();
    cp.setPort(QStringLiteral("COM1"));
    EXPECT_TRUE(cp.Connected());
    cp.setPort(QStringLiteral("COM2"));
    EXPECT_FALSE(cp.Connected());
}

} // namespace
