#include "app/sharedstate.h"
#include "bitimage_testwindow.h"
#include "fixturepictures.h"
#include "nvl/raster.h"
#include "nvl/samples.h"
#include "nvl/scramblehex.h"

#include <QFile>

namespace {

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The plain bytes of the sample picture's NV logo definition: W 167, H 49, 21 by 7 bytes.
QByteArray samplePlainBytes() {
    return QByteArray::fromHex("1C710115000700") +
           expectedColumnBytes(nvLogoSample(), 0, 168, 56, defaultDotThreshold) + '\x01';
}

// The lines of an export text that starts with CR LF, without that first line end.
QList<QByteArray> linesOf(const QByteArray &text) {
    EXPECT_TRUE(text.startsWith("\r\n"));
    return text.mid(2).split('\n');
}

using ExportWindow = NvWindowTest;

TEST_F(ExportWindow, ConvertedDataOfTheSamplePicture) {
    nvf->hcb->setChecked(true);
    nvf->Edit9->setText(file("hex.txt"));
    click("Button6");
    const QByteArray text = readAll(file("hex.txt"));
    EXPECT_EQ(text.size(), 6515);
    EXPECT_EQ(text, CmdStr);
    const QList<QByteArray> lines = linesOf(text);
    ASSERT_EQ(lines.size(), 119);
    const QByteArray plain = samplePlainBytes();
    ASSERT_EQ(plain.size(), 1184);
    EXPECT_EQ(lines[0].left(39), QByteArray(".db 0x1C,0x71,0x01,0x15,0x00,0x07,0x00,"));
    // Every line is ".db " and its entries, 0x and two digits each; read back they are the plain bytes.
    QByteArray readBack;
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (i + 1 < lines.size()) {
            ASSERT_TRUE(line.endsWith('\r')) << i;
            line.chop(1);
        }
        ASSERT_TRUE(line.startsWith(".db 0x")) << i;
        const QList<QByteArray> entries = line.mid(4).split(',');
        EXPECT_EQ(entries.size(), i + 1 < lines.size() ? 10 : 4) << i;
        for (const QByteArray &entry : entries) {
            ASSERT_EQ(entry.size(), 4) << i;
            ASSERT_TRUE(entry.startsWith("0x")) << i;
            EXPECT_EQ(entry.mid(2), entry.mid(2).toUpper()) << i;
            readBack += QByteArray::fromHex(entry.mid(2));
        }
    }
    EXPECT_EQ(readBack, plain);
    EXPECT_FALSE(OutFile.isOpen());
}

TEST_F(ExportWindow, ConvertedDataOfAnAllBlackEightByEightPicture) {
    nvf->Image1->setPicture(paintedPicture(8, 8, [](int, int) { return qRgb(0, 0, 0); }));
    nvf->hcb->setChecked(true);
    nvf->Edit9->setText(file("black.txt"));
    click("Button6");
    EXPECT_EQ(readAll(file("black.txt")),
              QByteArray("\r\n.db 0x1C,0x71,0x01,0x01,0x00,0x01,0x00,0xFF,0xFF,0xFF"
                         "\r\n.db 0xFF,0xFF,0xFF,0xFF,0xFF,0x01"));
}

TEST_F(ExportWindow, ScrambledDataBreaksEveryFiftyCharactersEvenInsideEntries) {
    nvf->hcb->setChecked(true);
    nvf->Edit9->setText(file("scrambled.txt"));
    click("Button7");
    const QByteArray text = readAll(file("scrambled.txt"));
    EXPECT_EQ(text, CmdStr);
    QByteArray entries;
    const QByteArray plain = samplePlainBytes();
    for (const char byte : plain)
        entries += ",0x" + ScrambleHex(QString::fromLatin1(QByteArray(1, byte).toHex().toUpper()),
                                       QStringLiteral("D4"))
                               .toLatin1();
    // A line that starts at an entry's comma lost the comma with one space; a line that starts inside
    // an entry keeps both spaces.
    QByteArray joined;
    const QList<QByteArray> lines = linesOf(text);
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (i + 1 < lines.size())
            line.chop(1);
        QByteArray body;
        if (line.startsWith(".db  ")) {
            body = line.mid(5);
            EXPECT_FALSE(body.startsWith(',')) << i;
        } else {
            ASSERT_TRUE(line.startsWith(".db ")) << i;
            body = "," + line.mid(4);
        }
        if (i + 1 < lines.size()) {
            EXPECT_EQ(body.size(), 50) << i;
        }
        joined += body;
    }
    EXPECT_EQ(joined, entries);
}

TEST_F(ExportWindow, ScrambledLineBreakInsideAnEntryKeepsBothSpaces) {
    // Column 0 blank (00 scrambles to 69); columns 1 to 7 give 43, whose scrambled entry is just ",0x".
    nvf->Image1->setPicture(paintedPicture(8, 8, [](int x, int y) {
        return x > 0 && (y == 1 || y >= 6) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }));
    nvf->hcb->setChecked(true);
    nvf->Edit9->setText(file("scrambled.txt"));
    click("Button7");
    // The 50th character is the comma of the fourth empty entry: the break falls before its "0x".
    EXPECT_EQ(readAll(file("scrambled.txt")),
              QByteArray("\r\n.db 0xBD,0xFA,0x6A,0x6A,0x69,0x6A,0x69,0x69,0x,0x,0x,"
                         "\r\n.db  0x,0x,0x,0x,0x6A"));
}

TEST_F(ExportWindow, NothingIsWrittenWithoutTheHexOption) {
    nvf->Edit9->setText(file("hex.txt"));
    for (const char *button : {"Button6", "Button7"}) {
        CmdStr.clear();
        click(button);
        EXPECT_TRUE(CmdStr.startsWith("\r\n.db ")) << button;
        EXPECT_FALSE(QFile::exists(file("hex.txt"))) << button;
    }
    EXPECT_TRUE(recorder.entries.isEmpty());
}

TEST_F(ExportWindow, TooLargePictureIsRefusedWithNoFile) {
    nvf->Image1->setPicture(paintedPicture(200, 2000, [](int, int) { return qRgb(0, 0, 0); }));
    nvf->hcb->setChecked(true);
    nvf->Edit9->setText(file("hex.txt"));
    for (const char *button : {"Button6", "Button7"}) {
        recorder.entries.clear();
        CmdStr = "old";
        click(button);
        EXPECT_EQ(recorder.entries,
                  QList{MessageRecorder::info(QStringLiteral("BMP图形太大，不能下载！请重新选择!"))})
            << button;
        EXPECT_EQ(CmdStr, QByteArray()) << button;
        EXPECT_FALSE(QFile::exists(file("hex.txt"))) << button;
    }
}

TEST_F(ExportWindow, FileLayerErrorIsShown) {
    nvf->hcb->setChecked(true);
    nvf->Edit9->setText(environment.path(QString())); // a folder
    click("Button6");
    EXPECT_EQ(recorder.entries, QList{MessageRecorder::err(QStringLiteral("File access denied."))});
    EXPECT_FALSE(OutFile.isOpen());
}

} // namespace
