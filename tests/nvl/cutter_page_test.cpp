#include "app/sharedstate.h"
#include "nvl/cuttertestpage.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

class CutterPage : public ::testing::Test {
  protected:
    void SetUp() override { setControlCharacters(); }
};

// The raster block of the sample picture: 21 bytes by 49 rows.
QByteArray sampleBlock() {
    QByteArray rows(21 * 49, '\0');
    rows[0] = '\x80';
    rows[rows.size() - 1] = '\x01';
    return cutterRasterBlock(21, 49, rows);
}

TEST_F(CutterPage, RasterBlockCarriesWidthInBytesAndHeightInDots) {
    const QByteArray block = sampleBlock();
    EXPECT_EQ(block.size(), 1038);
    EXPECT_EQ(block.left(9), QByteArray::fromHex("1D7630301500310080"));
    EXPECT_EQ(block.right(2), QByteArray::fromHex("010A"));
    EXPECT_EQ(cutterRasterBlock(8, 64, QByteArray(512, '\0')).left(8),
              QByteArray::fromHex("1D76303008004000"));
    EXPECT_EQ(cutterRasterBlock(300, 300, QByteArray()), QByteArray::fromHex("1D7630302C012C010A"));
}

TEST_F(CutterPage, PageLengthIs2859PlusTheNulRun) {
    const QByteArray block = sampleBlock();
    for (const int n : {0, 1, 5})
        EXPECT_EQ(cutterTestPage(block, n).size(), 2859 + n) << n;
    EXPECT_EQ(cutterTestPage(block, -3).size(), 2859);
}

TEST_F(CutterPage, PiecesFollowEachOtherInOrder) {
    const QByteArray block = sampleBlock();
    const QByteArray page = cutterTestPage(block, 2);
    qsizetype at = 0;
    const auto expectNext = [&](const QByteArray &piece, const char *what) {
        EXPECT_EQ(page.mid(at, piece.size()).toHex(' '), piece.toHex(' ')) << what << " at " << at;
        at += piece.size();
    };
    expectNext(QByteArray::fromHex("1B401B61311B2130") + "Selftest\n\n", "title");
    expectNext(block, "first raster block");
    expectNext(QByteArray::fromHex("1B613000001B2100"), "left alignment, NUL run, normal mode");
    expectNext("!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJ\n", "ASCII line 0");
    at += 3 * 43;
    expectNext("%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMN\n", "ASCII line 4");
    expectNext(QByteArray::fromHex("0A1B2101"), "blank line, small font");
    expectNext("!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWX\n", "small line 0");
    at += 3 * 57;
    expectNext("%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\\n", "small line 4");
    expectNext("\n", "blank line");
    QStringDecoder gb2312("GB2312");
    ASSERT_TRUE(gb2312.isValid());
    const QString chinese = gb2312.decode(page.mid(at, 5 * 43));
    EXPECT_EQ(chinese.section(QLatin1Char('\n'), 0, 0),
              QStringLiteral("啊阿埃挨哎唉哀皑癌蔼矮艾碍爱隘鞍氨安俺按暗"));
    EXPECT_EQ(chinese.section(QLatin1Char('\n'), 4, 4),
              QStringLiteral("哎唉哀皑癌蔼矮艾碍爱隘鞍氨安俺按暗岸胺案肮"));
    EXPECT_EQ(page.mid(at + 4 * 43, 43).toHex(),
              QByteArray("b0a5b0a6b0a7b0a8b0a9b0aab0abb0acb0adb0aeb0afb0b0b0b1b0b2b0b3b0b4b0b5"
                         "b0b6b0b7b0b8b0b90a"));
    at += 5 * 43;
    expectNext(QByteArray::fromHex("0A1B6131"), "blank line, centred");
    expectNext(block, "second raster block");
    expectNext(QByteArray::fromHex("1B2128") + "*** Completed ***\n" + QByteArray(7, '\n'), "closing line");
    expectNext(QByteArray::fromHex("1B72001B691B40"), "closing control bytes");
    EXPECT_EQ(at, page.size());
}

TEST_F(CutterPage, CopyHeaderNumbersTheCopyInDecimal) {
    EXPECT_EQ(cutterCopyHeader(1), QByteArray::fromHex("1B6131310A"));
    EXPECT_EQ(cutterCopyHeader(750), QByteArray::fromHex("1B61313735300A"));
}

} // namespace
