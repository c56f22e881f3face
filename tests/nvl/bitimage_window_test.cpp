#include "app/sharedstate.h"
#include "bitimage_testwindow.h"
#include "fixturepictures.h"
#include "link/comport.h"
#include "nvl/raster.h"
#include "nvl/samples.h"
#include "support/deviceprinter.h"
#include "support/ptyprinter.h"

#include <QFile>

namespace {

const QString defined = QStringLiteral("恭喜！！定义下载位图成功！");

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Black dots in a pattern that differs from column to column and row to row.
QRgb pattern(int x, int y) {
    return (x * 7 + y * 3) % 5 == 0 || x == y ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
}

using BitImageWindow = NvWindowTest;

TEST_F(BitImageWindow, DefinesTheSamplePictureAndReportsAfterTheSend) {
    DevicePrinter printer(environment, QStringLiteral("LPT1"));
    choosePort(QStringLiteral("LPT1"));
    click("Button8");
    const QByteArray sent = printer.contents();
    EXPECT_EQ(sent.left(15), QByteArray("xL=21;yL=7\n\x1D\x2A\x15\x07"));
    EXPECT_EQ(sent.size(), 15 + 1176);
    // W 167 (one fill column), H 50: seven bytes of rows, the last band beyond the picture blank.
    EXPECT_EQ(sent.mid(15), expectedColumnBytes(nvLogoSample(), 0, 168, 56, defaultDotThreshold));
    EXPECT_EQ(sent, CmdStr);
    EXPECT_EQ(nvf->Label1->text(), QStringLiteral("位图大小: 147 字节"));
    EXPECT_EQ(recorder.entries, QList{MessageRecorder::info(defined)});
    EXPECT_FALSE(OutFile.isOpen());
}

TEST_F(BitImageWindow, WidePictureIsCutToTheTopLeftPartWithinTheLimits) {
    // COM5 lies beyond the four serial ports of the original route table; it is served like the full send.
    PtyPrinter printer(environment, QStringLiteral("COM5"));
    choosePort(QStringLiteral("COM5"));
    const QImage picture = paintedPicture(2400, 64, pattern);
    nvf->Image1->setPicture(picture);
    click("Button8");
    // x 255 after the width limit, y 9, then 255 x 9 > 1536 gives y 6: 2040 x 48 dots.
    const QByteArray header("xL=255;yL=6\n\x1D\x2A\xFF\x06");
    const QByteArray dots = expectedColumnBytes(picture, 0, 2040, 48, defaultDotThreshold);
    EXPECT_EQ(printer.waitForBytes(header.size() + dots.size()), header + dots);
    EXPECT_EQ(nvf->Label1->text(), QStringLiteral("位图大小: 1530 字节"));
    EXPECT_EQ(recorder.entries, QList{MessageRecorder::info(defined)});
    EXPECT_FALSE(Form1->cp.Connected());
}

TEST_F(BitImageWindow, TallPictureIsCutToFortyEightBytesOfRows) {
    DevicePrinter printer(environment, QStringLiteral("LPT2"));
    choosePort(QStringLiteral("LPT2"));
    const QImage picture = paintedPicture(200, 500, pattern);
    nvf->Image1->setPicture(picture);
    click("Button8");
    const QByteArray sent = printer.contents();
    EXPECT_EQ(sent.left(16), QByteArray("xL=25;yL=48\n\x1D\x2A\x19\x30"));
    EXPECT_EQ(sent.mid(16), expectedColumnBytes(picture, 0, 200, 384, defaultDotThreshold));
}

TEST_F(BitImageWindow, LeftTrimSkipsThePictureColumns) {
    DevicePrinter printer(environment, QStringLiteral("LPT1"));
    choosePort(QStringLiteral("LPT1"));
    const QImage picture = paintedPicture(11, 7, pattern);
    nvf->Image1->setPicture(picture);
    nvf->Edit11->setText(QStringLiteral("3"));
    click("Button8");
    // W 8 (no fill), H 8: one byte each way.
    EXPECT_EQ(printer.contents(), QByteArray("xL=1;yL=1\n\x1D\x2A\x01\x01") +
                                      expectedColumnBytes(picture, 3, 8, 8, defaultDotThreshold));
}

TEST_F(BitImageWindow, HexOptionSavesTheCommandWhichTheFileSendDeliversUnchanged) {
    DevicePrinter lpt(environment, QStringLiteral("LPT1"));
    PtyPrinter com(environment, QStringLiteral("COM6"));
    choosePort(QStringLiteral("LPT1"));
    nvf->hcb->setChecked(true);
    nvf->Edit9->setText(file("hex.bin"));
    click("Button8");
    const QByteArray command = lpt.contents();
    ASSERT_EQ(command.size(), 15 + 1176);
    EXPECT_EQ(readAll(file("hex.bin")), command);

    nvf->hcb->setChecked(false);
    choosePort(QStringLiteral("COM6"));
    click("Button11");
    EXPECT_EQ(com.waitForBytes(command.size()), command);
    EXPECT_EQ(CmdStr, command);
    EXPECT_EQ(recorder.entries, QList{MessageRecorder::info(defined)});
}

TEST_F(BitImageWindow, NoSuccessMessageWhenTheSendFails) {
    environment.linkPort(QStringLiteral("LPT1"), QStringLiteral("/dev/full"));
    choosePort(QStringLiteral("LPT1"));
    click("Button8");
    EXPECT_EQ(recorder.entries, QList{MessageRecorder::err(QStringLiteral("Disk full."))});
    EXPECT_FALSE(OutFile.isOpen());

    recorder.entries.clear();
    noPort(); // nothing is delivered, so nothing is defined
    click("Button8");
    EXPECT_TRUE(recorder.entries.isEmpty());

    recorder.entries.clear();
    environment.linkPort(QStringLiteral("COM7"), file("gone")); // no such port: the open fails
    choosePort(QStringLiteral("COM7"));
    click("Button8");
    EXPECT_EQ(recorder.texts(), QStringList{QStringLiteral("Unable to open com port (win error code: 2)")});
}

TEST_F(BitImageWindow, HexFileFailureStopsBeforeSendingAndShowsNoSuccess) {
    DevicePrinter printer(environment, QStringLiteral("LPT1"));
    choosePort(QStringLiteral("LPT1"));
    nvf->hcb->setChecked(true);
    nvf->Edit9->setText(file("missing/hex.bin"));
    click("Button8");
    EXPECT_EQ(recorder.entries, QList{MessageRecorder::err(QStringLiteral("Invalid filename."))});
    EXPECT_EQ(printer.contents(), QByteArray());
    EXPECT_FALSE(OutFile.isOpen());
}

TEST_F(BitImageWindow, NonIntegerLeftTrimStopsTheDefine) {
    DevicePrinter printer(environment, QStringLiteral("LPT1"));
    choosePort(QStringLiteral("LPT1"));
    nvf->Edit11->setText(QStringLiteral("3 "));
    click("Button8");
    EXPECT_EQ(recorder.entries,
              QList{MessageRecorder::err(QStringLiteral("'3 ' is not a valid integer value."))});
    EXPECT_EQ(printer.contents(), QByteArray());
}

TEST_F(BitImageWindow, PrintCommandsGoOverEverySerialPort) {
    PtyPrinter printer(environment, QStringLiteral("COM8"));
    choosePort(QStringLiteral("COM8"));
    nvf->Image1->setPicture(paintedPicture(40, 40, pattern)); // the picture plays no part
    click("Button9");
    const QByteArray fourModes = QByteArray::fromHex("1D2F001D2F011D2F021D2F03");
    EXPECT_EQ(printer.waitForBytes(fourModes.size()), fourModes);
    click("Button10");
    const QByteArray once = QByteArray::fromHex("1B61001D2F000A") + "plimo\n";
    EXPECT_EQ(printer.waitForBytes(fourModes.size() + once.size()), fourModes + once);
    EXPECT_TRUE(recorder.entries.isEmpty());
}

TEST_F(BitImageWindow, EmptyFileIsStillSentAndAMissingOneIsNot) {
    DevicePrinter printer(environment, QStringLiteral("LPT2"));
    QFile device(printer.path());
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    device.write("old");
    device.close();
    choosePort(QStringLiteral("LPT2"));
    QFile(file("empty.bin")).open(QIODevice::WriteOnly);
    nvf->Edit9->setText(file("empty.bin"));
    click("Button11");
    EXPECT_EQ(printer.contents(), QByteArray()); // opened as a new file, nothing written
    EXPECT_TRUE(recorder.entries.isEmpty());

    device.open(QIODevice::WriteOnly);
    device.write("old");
    device.close();
    nvf->Edit9->setText(file("none.bin"));
    click("Button11");
    EXPECT_EQ(recorder.entries, QList{MessageRecorder::err(QStringLiteral("File not found."))});
    EXPECT_EQ(printer.contents(), QByteArray("old"));
    EXPECT_EQ(CmdStr, QByteArray());
}

TEST_F(BitImageWindow, FileBytesIncludingNulAreSentUnchanged) {
    DevicePrinter printer(environment, QStringLiteral("LPT1"));
    choosePort(QStringLiteral("LPT1"));
    QByteArray bytes;
    for (int i = 0; i < 70000; ++i) // more than one read of the file
        bytes += static_cast<char>(i * 31 % 256);
    QFile saved(file("saved.bin"));
    ASSERT_TRUE(saved.open(QIODevice::WriteOnly));
    saved.write(bytes);
    saved.close();
    nvf->Edit9->setText(file("saved.bin"));
    click("Button11");
    EXPECT_EQ(printer.contents(), bytes);
}

} // namespace
