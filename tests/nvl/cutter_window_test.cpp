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

constexpr qsizetype samplePageSize = 2859;

// Notes, for every error box, whether the device or port was still open when it was shown.
class RouteStateRecorder : public MessageRecorder {
  public:
    void error(const QString &text) override {
        openWhenShown << (OutFile.isOpen() || Form1->cp.Connected());
        MessageRecorder::error(text);
    }
    QList<bool> openWhenShown;
};

void fill(const DevicePrinter &printer, const QByteArray &bytes) {
    QFile device(printer.path());
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    device.write(bytes);
}

QByteArray copyHeader(int k) {
    return "\x1B\x61\x31" + QByteArray::number(k) + "\n";
}

using CutterWindow = NvWindowTest;

TEST_F(CutterWindow, ThreeNumberedCopiesOfTheSamplePageOverOneOpening) {
    DevicePrinter printer(environment, QStringLiteral("LPT1"));
    choosePort(QStringLiteral("LPT1"));
    nvf->Edit3->setText(QStringLiteral("3"));
    click("Button4");
    const QByteArray page = CmdStr;
    ASSERT_EQ(page.size(), samplePageSize + 1); // Edit2 "1": one NUL byte
    // The raster block: width 21 bytes, height 49 dots, 21 x 49 row bytes, LF.
    const QByteArray block = QByteArray::fromHex("1D76303015003100") +
                             expectedRowBytes(nvLogoSample(), 168, 49, defaultDotThreshold) + '\n';
    ASSERT_EQ(block.size(), 1038);
    EXPECT_EQ(page.mid(18, block.size()), block);
    // The second block is followed by 35 closing bytes: ESC ! (, the 18 of the closing line, 7 LF, 7.
    EXPECT_EQ(page.mid(page.size() - 35 - 1038, 1038), block);
    EXPECT_EQ(page.mid(18 + 1038, 7), QByteArray::fromHex("1B6130001B2100"));
    // A single open truncated the device once: all three copies are there.
    EXPECT_EQ(printer.contents(), copyHeader(1) + page + copyHeader(2) + page + copyHeader(3) + page);
    EXPECT_EQ(nvf->Edit2->text(), QStringLiteral("4"));
    const QStringList shown = {nvf->Edit4->text(), nvf->Edit5->text(), nvf->Edit6->text(), nvf->Edit7->text(),
                               nvf->Edit8->text()};
    EXPECT_EQ(shown, (QStringList{"21", "0", "49", "0", "1029"}));
    EXPECT_FALSE(OutFile.isOpen());
    EXPECT_TRUE(recorder.entries.isEmpty());
}

TEST_F(CutterWindow, NulRunFollowsEdit2OfThisClickAndLengthensTheNext) {
    DevicePrinter printer(environment, QStringLiteral("LPT2"));
    choosePort(QStringLiteral("LPT2"));
    nvf->Edit2->setText(QStringLiteral("5"));
    nvf->Edit3->setText(QStringLiteral("2"));
    click("Button4");
    EXPECT_EQ(CmdStr.size(), samplePageSize + 5);
    EXPECT_EQ(nvf->Edit2->text(), QStringLiteral("7"));
    click("Button4");
    EXPECT_EQ(CmdStr.size(), samplePageSize + 7);
    EXPECT_EQ(printer.contents(), copyHeader(1) + CmdStr + copyHeader(2) + CmdStr);
    nvf->Edit2->setText(QStringLiteral("-4"));
    click("Button4");
    EXPECT_EQ(CmdStr.size(), samplePageSize);
}

TEST_F(CutterWindow, CopiesOverTheSerialPortIncludingCom5) {
    for (const char *port : {"COM3", "COM5"}) {
        PtyPrinter printer(environment, QLatin1String(port));
        choosePort(QLatin1String(port));
        nvf->Edit2->setText(QStringLiteral("0"));
        nvf->Edit3->setText(QStringLiteral("2"));
        click("Button4");
        const QByteArray expected = copyHeader(1) + CmdStr + copyHeader(2) + CmdStr;
        // XON and XOFF never occur in the sample page, so the line passes every byte.
        ASSERT_FALSE(CmdStr.contains('\x11') || CmdStr.contains('\x13'));
        EXPECT_EQ(printer.waitForBytes(expected.size()), expected) << port;
        EXPECT_FALSE(Form1->cp.Connected()) << port;
        EXPECT_EQ(nvf->Edit2->text(), QStringLiteral("2")) << port;
    }
    EXPECT_TRUE(recorder.entries.isEmpty());
}

TEST_F(CutterWindow, NoCopiesOpensAndClosesWithNothingWritten) {
    DevicePrinter lpt(environment, QStringLiteral("LPT1"));
    fill(lpt, "old");
    choosePort(QStringLiteral("LPT1"));
    nvf->Edit3->setText(QStringLiteral("0"));
    click("Button4");
    EXPECT_EQ(lpt.contents(), QByteArray()); // opened as a new file
    EXPECT_FALSE(OutFile.isOpen());
    EXPECT_EQ(nvf->Edit2->text(), QStringLiteral("1"));

    PtyPrinter com(environment, QStringLiteral("COM2"));
    choosePort(QStringLiteral("COM2"));
    nvf->Edit3->setText(QStringLiteral("-2"));
    click("Button4");
    EXPECT_FALSE(Form1->cp.Connected());
    EXPECT_EQ(com.received(), QByteArray());
    EXPECT_TRUE(recorder.entries.isEmpty());
}

TEST_F(CutterWindow, NonIntegerCopyCountClosesTheRouteBeforeTheError) {
    RouteStateRecorder shown;
    DevicePrinter lpt(environment, QStringLiteral("LPT1"));
    fill(lpt, "old");
    choosePort(QStringLiteral("LPT1"));
    nvf->Edit3->setText(QStringLiteral("x"));
    click("Button4");
    EXPECT_EQ(lpt.contents(), QByteArray()); // the device was opened, then no copy written

    PtyPrinter com(environment, QStringLiteral("COM4"));
    choosePort(QStringLiteral("COM4"));
    click("Button4");
    EXPECT_EQ(com.received(), QByteArray());

    const QString error = QStringLiteral("'x' is not a valid integer value.");
    EXPECT_EQ(shown.entries, (QList{MessageRecorder::err(error), MessageRecorder::err(error)}));
    EXPECT_EQ(shown.openWhenShown, (QList<bool>{false, false}));
    EXPECT_EQ(nvf->Edit2->text(), QStringLiteral("1"));

    // The port is free again for the next send.
    nvf->Edit3->setText(QStringLiteral("1"));
    click("Button4");
    EXPECT_EQ(com.waitForBytes(CmdStr.size() + 3), copyHeader(1) + CmdStr);
}

TEST_F(CutterWindow, WriteErrorClosesTheDeviceBeforeTheError) {
    RouteStateRecorder shown;
    environment.linkPort(QStringLiteral("LPT2"), QStringLiteral("/dev/full"));
    choosePort(QStringLiteral("LPT2"));
    nvf->Edit3->setText(QStringLiteral("3"));
    click("Button4");
    EXPECT_EQ(shown.entries, QList{MessageRecorder::err(QStringLiteral("Disk full."))});
    EXPECT_EQ(shown.openWhenShown, QList<bool>{false});
    EXPECT_EQ(nvf->Edit2->text(), QStringLiteral("1")); // no copy was written
}

TEST_F(CutterWindow, NonIntegerNulCountOpensNothing) {
    DevicePrinter lpt(environment, QStringLiteral("LPT1"));
    fill(lpt, "old");
    choosePort(QStringLiteral("LPT1"));
    nvf->Edit2->setText(QStringLiteral("Edit2"));
    CmdStr = "stale";
    click("Button4");
    EXPECT_EQ(recorder.entries,
              QList{MessageRecorder::err(QStringLiteral("'Edit2' is not a valid integer value."))});
    EXPECT_EQ(lpt.contents(), QByteArray("old"));
    EXPECT_EQ(CmdStr, QByteArray());
}

TEST_F(CutterWindow, HeightIsCountedInDots) {
    noPort(); // composes the page and sends nothing
    const QImage picture =
        paintedPicture(16, 64, [](int x, int y) { return x == y ? qRgb(0, 0, 0) : qRgb(255, 255, 255); });
    nvf->Image1->setPicture(picture);
    click("Button4");
    const QStringList shown = {nvf->Edit4->text(), nvf->Edit5->text(), nvf->Edit6->text(), nvf->Edit7->text(),
                               nvf->Edit8->text()};
    EXPECT_EQ(shown, (QStringList{"2", "0", "64", "0", "128"}));
    EXPECT_EQ(CmdStr.mid(18, 8), QByteArray::fromHex("1D76303002004000"));
    EXPECT_EQ(CmdStr.mid(26, 128), expectedRowBytes(picture, 16, 64, defaultDotThreshold));
    EXPECT_EQ(nvf->Edit2->text(), QStringLiteral("1"));
    EXPECT_TRUE(recorder.entries.isEmpty());
}

} // namespace
