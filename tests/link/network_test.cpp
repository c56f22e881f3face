#include "app/sharedstate.h"
#include "link/comport.h"
#include "link/printerlink.h"
#include "support/messagerecorder.h"
#include "support/netprinter.h"

#include "support/gtestqt.h"
#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

const PortChoice loopback{10, QStringLiteral("Ethernet"), QString(), QStringLiteral("127.0.0.1")};
const QByteArray autoDisconnect("\x1F\x1B\x1F\x95\x01\x02\x03\x11\x12\x13\x33\x05", 12);

class NetworkRoute : public ::testing::Test {
  protected:
    MessageRecorder recorder;
    TComPort cp;
};

TEST_F(NetworkRoute, DeliversTheCommandInOneConnectionThatIsThenClosed) {
    NetPrinter printer;
    EXPECT_TRUE(fullSend(autoDisconnect, loopback, cp));
    EXPECT_EQ(printer.waitForConnections(1), QList<QByteArray>{autoDisconnect});
    EXPECT_EQ(PrinterIP, QStringLiteral("127.0.0.1"));
    EXPECT_TRUE(recorder.entries.isEmpty());
}

TEST_F(NetworkRoute, NulBytesAndAnEmptyCommandArriveAsTheyAre) {
    NetPrinter printer;
    const QByteArray withNul("\x10\x14\x01\x00\x01", 5);
    EXPECT_TRUE(fullSend(withNul, loopback, cp));
    EXPECT_TRUE(fullSend(QByteArray(), loopback, cp));
    EXPECT_EQ(printer.waitForConnections(2), (QList<QByteArray>{withNul, QByteArray()}));
}

TEST_F(NetworkRoute, RefusedConnectionShowsConnectErrorOnce) {
    NetPrinter printer(NetPrinter::Mode::Refuse);
    EXPECT_FALSE(fullSend(autoDisconnect, loopback, cp));
    EXPECT_EQ(recorder.entries,
              QList<MessageRecorder::Entry>{MessageRecorder::info(QStringLiteral("Connect error"))});
}

TEST_F(NetworkRoute, PrinterDroppingTheConnectionIsASendError) {
    const QByteArray stream(50 * 1024, 'x');
    for (const auto mode : {NetPrinter::Mode::CloseAtOnce, NetPrinter::Mode::ResetAtOnce}) {
        MessageRecorder messages;
        NetPrinter printer(mode);
        EXPECT_FALSE(fullSend(stream, loopback, cp));
        EXPECT_EQ(messages.entries,
                  QList<MessageRecorder::Entry>{MessageRecorder::info(QStringLiteral("Send error"))});
        // The library is free again: the next send opens a fresh connection.
        NetPrinter next;
        EXPECT_TRUE(fullSend(autoDisconnect, loopback, cp));
        EXPECT_EQ(next.waitForConnections(1), QList<QByteArray>{autoDisconnect});
    }
}

TEST_F(NetworkRoute, PausesFiveMillisecondsAfterOpeningAndAfterSending) {
    NetPrinter printer;
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(fullSend(autoDisconnect, loopback, cp));
    EXPECT_GE(clock.elapsed(), 10);
    clock.restart();
    EXPECT_TRUE(fullSend(autoDisconnect, loopback, cp, SendVariant{10}));
    EXPECT_GE(clock.elapsed(), 15);
    EXPECT_EQ(printer.waitForConnections(2).size(), 2);
}

} // namespace
