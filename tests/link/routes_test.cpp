#include "app/errors.h"
#include "app/sharedstate.h"
#include "link/comport.h"
#include "link/printerlink.h"
#include "support/deviceprinter.h"
#include "support/messagerecorder.h"
#include "support/ptyprinter.h"
#include "support/testenvironment.h"

#include "support/gtestqt.h"
#include <QFile>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const QByteArray withNulBytes("\x1B\x40\x00\x00\x1D\x56\x00", 7);

PortChoice port(int index, const QString &name, const QString &rate = QStringLiteral("9600")) {
    return PortChoice{index, name, rate, QString()};
}

QString errorOf(const std::function<void()> &send) {
    try {
        send();
    } catch (const KqError &error) {
        return error.message();
    }
    return QStringLiteral("no error");
}

class Routes : public ::testing::Test {
  protected:
    TestEnvironment environment;
    MessageRecorder recorder;
    TComPort cp;
};

TEST_F(Routes, SerialRouteDeliversEveryByteAtTheChosenRate) {
    PtyPrinter printer(environment, QStringLiteral("COM3"));
    EXPECT_TRUE(fullSend(withNulBytes, port(4, QStringLiteral("COM3"), QStringLiteral("115200")), cp));
    EXPECT_EQ(printer.waitForBytes(withNulBytes.size()), withNulBytes);
    EXPECT_EQ(cp.BaudRate(), 115200);
    EXPECT_FALSE(cp.Connected());
    EXPECT_TRUE(recorder.entries.isEmpty());
}

TEST_F(Routes, SerialRateTextUnknownToTheLookupSends9600) {
    PtyPrinter printer(environment, QStringLiteral("COM1"));
    EXPECT_TRUE(fullSend("A", port(2, QStringLiteral("COM1"), QStringLiteral("12345")), cp));
    EXPECT_EQ(printer.waitForBytes(1), "A");
    EXPECT_EQ(cp.BaudRate(), 9600);
}

TEST_F(Routes, SerialRouteDeliversAStreamLongerThanTheBuffers) {
    PtyPrinter printer(environment, QStringLiteral("COM8"));
    QByteArray stream(20000, '\0');
    for (int i = 0; i < stream.size(); ++i)
        stream[i] = static_cast<char>(i * 7 % 251);
    stream.replace('\x11', '\x01').replace('\x13', '\x03'); // XON and XOFF are flow control on this line
    EXPECT_TRUE(fullSend(stream, port(9, QStringLiteral("COM8")), cp));
    EXPECT_EQ(printer.waitForBytes(stream.size()), stream);
}

TEST_F(Routes, MissingSerialPortIsCode2AndNothingIsLeftOpen) {
    EXPECT_EQ(errorOf([&] { fullSend("A", port(6, QStringLiteral("COM5")), cp); }),
              QStringLiteral("Unable to open com port (win error code: 2)"));
    environment.linkPort(QStringLiteral("COM6"), environment.path(QStringLiteral("gone")));
    EXPECT_EQ(errorOf([&] { fullSend("A", port(7, QStringLiteral("COM6")), cp); }),
              QStringLiteral("Unable to open com port (win error code: 2)"));
    EXPECT_FALSE(cp.Connected());
}

TEST_F(Routes, SerialPortHeldByAnotherProgramIsCode5) {
    PtyPrinter printer(environment, QStringLiteral("COM2"));
    QSerialPort other(printer.slavePath());
    ASSERT_TRUE(other.open(QIODevice::ReadWrite));
    EXPECT_EQ(errorOf([&] { fullSend("A", port(3, QStringLiteral("COM2")), cp); }),
              QStringLiteral("Unable to open com port (win error code: 5)"));
    other.close();
    EXPECT_TRUE(fullSend("B", port(3, QStringLiteral("COM2")), cp));
    EXPECT_EQ(printer.waitForBytes(1), "B");
}

TEST_F(Routes, ParallelRouteWritesEveryByteToTheDevice) {
    DevicePrinter printer(environment, QStringLiteral("LPT1"));
    QByteArray stream = withNulBytes.repeated(10000);
    EXPECT_TRUE(fullSend(stream, port(0, QStringLiteral("LPT1")), cp));
    EXPECT_EQ(printer.contents(), stream);
    EXPECT_FALSE(OutFile.isOpen());
    // Every send opens the device as a new file.
    EXPECT_TRUE(fullSend(QByteArray(), port(0, QStringLiteral("LPT1")), cp));
    EXPECT_EQ(printer.contents(), QByteArray());
}

TEST_F(Routes, ParallelOpenFailuresShowTheirIoErrorText) {
    environment.linkPort(QStringLiteral("LPT1"), environment.path(QStringLiteral("missing/folder/lp")));
    EXPECT_EQ(errorOf([&] { fullSend("A", port(0, QStringLiteral("LPT1")), cp); }),
              QStringLiteral("Invalid filename"));
    environment.linkPort(QStringLiteral("LPT2"), QStringLiteral("/dev/kqsetup-no-such-device"));
    EXPECT_EQ(errorOf([&] { fullSend("A", port(1, QStringLiteral("LPT2")), cp); }),
              QStringLiteral("File not found"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("/dev/kqsetup-no-such-device")));
    environment.linkPort(QStringLiteral("LPT2"), environment.path(QString()));
    EXPECT_EQ(errorOf([&] { fullSend("A", port(1, QStringLiteral("LPT2")), cp); }),
              QStringLiteral("File access denied"));
}

TEST_F(Routes, ParallelDeviceWithoutReaderFailsInsteadOfHanging) {
    const QString fifo = environment.path(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    environment.linkPort(QStringLiteral("LPT1"), fifo);
    EXPECT_EQ(errorOf([&] { fullSend("A", port(0, QStringLiteral("LPT1")), cp); }),
              QStringLiteral("I/O error 6"));
}

TEST_F(Routes, FailedParallelWriteClosesTheDeviceBeforeTheErrorIsShown) {
    environment.linkPort(QStringLiteral("LPT1"), QStringLiteral("/dev/full"));
    EXPECT_EQ(errorOf([&] { fullSend("A", port(0, QStringLiteral("LPT1")), cp); }),
              QStringLiteral("Disk full"));
    EXPECT_FALSE(OutFile.isOpen());
}

TEST_F(Routes, PortIndexOutsideTheRoutesSendsAndShowsNothing) {
    for (const int index : {-1, 11, 100})
        EXPECT_FALSE(fullSend("A", port(index, QStringLiteral("COM3")), cp));
    EXPECT_TRUE(recorder.entries.isEmpty());
}

} // namespace
