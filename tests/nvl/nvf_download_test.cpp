#include "app/sharedstate.h"
#include "nvl/nvlogo.h"
#include "support/deviceprinter.h"
#include "support/gtestqt.h"
#include "support/ptyprinter.h"
#include "windowfixture.h"

#include <QFile>

namespace {

using Entry = MessageRecorder::Entry;

QByteArray fileContents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QRgb mixed(int x, int y) {
    return qRgb((x * 53 + y * 7) % 256, (x * 11 + y * 17) % 256, (x * 3 + y * 101) % 256);
}

QByteArray downloadHeader(int widthBytes, int heightBytes) {
    QByteArray header = QByteArray::fromHex("1B401D541C7101");
    header.append(static_cast<char>(widthBytes))
        .append('\0')
        .append(static_cast<char>(heightBytes))
        .append('\0');
    return header;
}

class Download : public NvWindowTest {
  protected:
    DevicePrinter lpt1{environment, QStringLiteral("LPT1")};
    void SetUp() override { choosePort(QStringLiteral("LPT1")); }
};

TEST_F(Download, TheSamplePictureGoesToTheParallelPortIn1188Bytes) {
    nvf->Button2->click();
    const QByteArray sent = lpt1.contents();
    ASSERT_EQ(sent.size(), 1188);
    EXPECT_EQ(sent.left(11), QByteArray::fromHex("1B401D541C710115000700"));
    EXPECT_EQ(sent.mid(11, 1176),
              expectedColumnBytes(nvf->Image1->picture(), 0, 168, 56, defaultDotThreshold));
    EXPECT_EQ(sent.back(), '\x01');
    EXPECT_EQ(CmdStr, sent);
    EXPECT_TRUE(recorder.entries.isEmpty());
    EXPECT_EQ(nvf->Edit1->text(), QStringLiteral("Edit1")); // only the network route shows the count
}

TEST_F(Download, AnOpenedPictureIsSentWithItsOwnDotsAndTheEdit10Threshold) {
    const QImage picture = paintedPicture(13, 16, mixed);
    openPicture(picture);
    nvf->Edit10->setText(QStringLiteral("$400000"));
    nvf->Button2->click();
    // H = 17: three bytes high, the last 8 rows blank.
    EXPECT_EQ(lpt1.contents(),
              downloadHeader(2, 3) + expectedColumnBytes(picture, 0, 16, 24, 0x400000) + "\x01");
    nvf->Edit10->setText(QStringLiteral("8388608"));
    nvf->Button2->click();
    EXPECT_EQ(lpt1.contents(),
              downloadHeader(2, 3) + expectedColumnBytes(picture, 0, 16, 24, defaultDotThreshold) + "\x01");
}

TEST_F(Download, Edit11TrimsTheLeftColumns) {
    const QImage picture = paintedPicture(11, 7, mixed);
    openPicture(picture);
    nvf->Edit11->setText(QStringLiteral("3"));
    nvf->Button2->click();
    EXPECT_EQ(lpt1.contents(),
              downloadHeader(1, 1) + expectedColumnBytes(picture, 3, 8, 8, defaultDotThreshold) + "\x01");
}

TEST_F(Download, TheHexFileHoldsExactlyTheBytesSent) {
    const QString hexFile = dir.filePath(QStringLiteral("hex.bin"));
    writeFile(hexFile, QByteArray(5000, 'x')); // an existing file is truncated
    nvf->hcb->setChecked(true);
    nvf->Edit9->setText(hexFile);
    nvf->Button2->click();
    EXPECT_EQ(lpt1.contents().size(), 1188);
    EXPECT_EQ(fileContents(hexFile), lpt1.contents());
}

TEST_F(Download, AnUnwritableHexFileShowsItsErrorAndSendsNothing) {
    const QString directory = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkpath(directory));
    const std::pair<QString, QString> cases[] = {
        {dir.filePath(QStringLiteral("missing/hex.bin")), QStringLiteral("Invalid filename.")},
        {directory, QStringLiteral("File access denied.")},
    };
    nvf->hcb->setChecked(true);
    for (const auto &[path, error] : cases) {
        recorder.entries.clear();
        nvf->Edit9->setText(path);
        nvf->Button2->click();
        EXPECT_EQ(recorder.entries, QList<Entry>{MessageRecorder::err(error)}) << path.toStdString();
        EXPECT_TRUE(lpt1.contents().isEmpty());
        EXPECT_FALSE(OutFile.isOpen());
    }
}

TEST_F(Download, ATooLargePictureIsRefusedBeforeAnythingIsWritten) {
    openPicture(paintedPicture(200, 1999, [](int, int) { return qRgb(0, 0, 0); })); // H 2000: 50000 bytes
    recorder.entries.clear();
    const QString hexFile = dir.filePath(QStringLiteral("hex.bin"));
    nvf->hcb->setChecked(true);
    nvf->Edit9->setText(hexFile);
    nvf->Button2->click();
    EXPECT_EQ(recorder.entries,
              QList<Entry>{MessageRecorder::info(QStringLiteral("BMP图形太大，不能下载！请重新选择!"))});
    EXPECT_TRUE(lpt1.contents().isEmpty());
    EXPECT_FALSE(QFile::exists(hexFile));
}

TEST_F(Download, ATextThatIsNoIntegerStopsTheDownload) {
    const std::pair<QLineEdit *, QString> cases[] = {{nvf->Edit10, QStringLiteral("$80000G")},
                                                     {nvf->Edit11, QStringLiteral(" 1 ")}};
    const QString hexFile = dir.filePath(QStringLiteral("hex.bin"));
    nvf->hcb->setChecked(true);
    nvf->Edit9->setText(hexFile);
    for (const auto &[edit, text] : cases) {
        recorder.entries.clear();
        const QString before = edit->text();
        edit->setText(text);
        nvf->Button2->click();
        EXPECT_EQ(recorder.entries, QList<Entry>{MessageRecorder::err(
                                        QStringLiteral("'%1' is not a valid integer value.").arg(text))});
        EXPECT_TRUE(lpt1.contents().isEmpty());
        EXPECT_FALSE(QFile::exists(hexFile));
        edit->setText(before);
    }
}

TEST_F(Download, TheSerialRouteTakesTheShownRate) {
    PtyPrinter com3(environment, QStringLiteral("COM3"));
    choosePort(QStringLiteral("COM3"));
    Form1->sd->setCurrentText(QStringLiteral("115200"));
    nvf->Button2->click();
    EXPECT_EQ(com3.waitForBytes(1188).size(), 1188);
    EXPECT_EQ(Form1->cp.BaudRate(), 115200);
    EXPECT_TRUE(recorder.entries.isEmpty());
}

TEST_F(Download, PaintsTheFillPositionsWhiteBesideThePicture) {
    const auto colourAt = [](int x, int y) { return QColor(nvf->grab().toImage().pixel(x, y)); };
    const QColor white(Qt::white);
    // The sample: one fill column right of it (x 439), seven fill rows below it (y 89 to 95).
    ASSERT_NE(colourAt(439, 41), white);
    nvf->Button2->click();
    const QImage window = nvf->grab().toImage();
    EXPECT_EQ(QColor(window.pixel(439, 41)), white);
    EXPECT_EQ(QColor(window.pixel(439, 95)), white);
    EXPECT_NE(QColor(window.pixel(440, 41)), white);
    EXPECT_EQ(QColor(window.pixel(300, 89)), white);
    EXPECT_EQ(QColor(window.pixel(300, 95)), white);
    EXPECT_NE(QColor(window.pixel(300, 96)), white);
    EXPECT_NE(QColor(window.pixel(271, 89)), white);
}

TEST_F(Download, PrintSendsTheChosenScaling) {
    const char *digits = "0123";
    for (int index = 0; index < 4; ++index) {
        nvf->RadioGroup1->Buttons[index]->click();
        nvf->Button3->click();
        EXPECT_EQ(lpt1.contents(),
                  QByteArray::fromHex("1B401B61011D541C7001") + digits[index] + QByteArray::fromHex("1B40"));
    }
}

TEST_F(Download, ClearSendsSixteenBytes) {
    nvf->Button5->click();
    EXPECT_EQ(lpt1.contents(), nvLogoClearCommand());
    EXPECT_EQ(lpt1.contents().size(), 16);
}

} // namespace
