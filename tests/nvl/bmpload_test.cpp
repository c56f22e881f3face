#include "app/errors.h"
#include "fixturepictures.h"
#include "nvl/bmpload.h"
#include "nvl/samples.h"
#include "support/gtestqt.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// Colours that each indexed depth can hold: the first 2, 16 or 256 of a fixed list.
QRgb listColour(int i) {
    static const QRgb pure[] = {
        qRgb(0, 0, 0),       qRgb(255, 255, 255), qRgb(255, 0, 0),   qRgb(0, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 255, 0),   qRgb(0, 255, 255), qRgb(255, 0, 255),
        qRgb(127, 127, 127), qRgb(128, 128, 128), qRgb(10, 20, 30),  qRgb(200, 100, 50),
        qRgb(1, 2, 3),       qRgb(250, 251, 252), qRgb(64, 0, 192),  qRgb(0, 192, 64)};
    return i < 16 ? pure[i] : qRgb(i, 255 - i, (i * 3) % 256);
}

QImage patternFor(int width, int height, int bits) {
    const int colours = bits >= 24 ? 256 : 1 << bits;
    return paintedPicture(width, height, [=](int x, int y) {
        if (bits >= 24)
            return qRgb((x * 40 + y) % 256, (y * 30 + x * 7) % 256, (x * y * 13) % 256);
        return listColour((x + 3 * y) % colours);
    });
}

void expectSamePixels(const QImage &decoded, const QImage &original) {
    ASSERT_EQ(decoded.size(), original.size());
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x)
            ASSERT_EQ(decoded.pixel(x, y) | 0xFF000000u, original.pixel(x, y) | 0xFF000000u)
                << "at " << x << "," << y;
}

QString errorOf(const std::function<void()> &action) {
    try {
        action();
    } catch (const KqError &error) {
        return error.message();
    }
    return QStringLiteral("no error");
}

struct LoadCase {
    int bits;
    int width, height;
    RowOrder order;
    Compression compression;
};

class Loading : public testing::TestWithParam<LoadCase> {
  protected:
    QTemporaryDir dir;
};

TEST_P(Loading, DecodesEveryPixelOfTheFile) {
    const LoadCase &c = GetParam();
    const QImage original = patternFor(c.width, c.height, c.bits);
    const QString path = writeFile(dir.filePath(QStringLiteral("picture.bmp")),
                                   bitmapFile(original, c.bits, c.order, c.compression));
    expectSamePixels(loadPicture(path), original);
}

// Odd widths need row padding at every depth; both row orders; both run-length encodings.
INSTANTIATE_TEST_SUITE_P(Depths, Loading,
                         testing::Values(LoadCase{1, 13, 5, RowOrder::BottomUp, Compression::None},
                                         LoadCase{1, 33, 3, RowOrder::TopDown, Compression::None},
                                         LoadCase{4, 7, 6, RowOrder::BottomUp, Compression::None},
                                         LoadCase{4, 5, 4, RowOrder::TopDown, Compression::None},
                                         LoadCase{8, 167, 49, RowOrder::BottomUp, Compression::None},
                                         LoadCase{8, 3, 9, RowOrder::TopDown, Compression::None},
                                         LoadCase{24, 11, 7, RowOrder::BottomUp, Compression::None},
                                         LoadCase{24, 1, 2, RowOrder::TopDown, Compression::None},
                                         LoadCase{32, 9, 5, RowOrder::BottomUp, Compression::None},
                                         LoadCase{32, 6, 3, RowOrder::TopDown, Compression::None},
                                         LoadCase{8, 17, 6, RowOrder::BottomUp, Compression::Rle},
                                         LoadCase{4, 15, 5, RowOrder::BottomUp, Compression::Rle}));

TEST(Loading, RunLengthFilesWithAbsoluteRunsAreComplete) {
    const QImage picture = paintedPicture(4, 2, [](int x, int y) { return listColour(y == 0 ? x : 3 - x); });
    QByteArray file = bitmapFile(picture, 8, RowOrder::BottomUp, Compression::Rle);
    const int offset = qFromLittleEndian<qint32>(file.constData() + 10);
    // Bottom row: one absolute run of four; top row: an absolute run of three (padded), a run of one.
    const QByteArray runs = QByteArray::fromHex("0004030201000000"
                                                "000300010200"
                                                "0103"
                                                "0001");
    file = file.left(offset) + runs;
    qToLittleEndian<quint32>(static_cast<quint32>(runs.size()), file.data() + 34);
    qToLittleEndian<quint32>(static_cast<quint32>(file.size()), file.data() + 2);
    expectSamePixels(decodeBitmap(file), picture);
    EXPECT_EQ(errorOf([&] { decodeBitmap(file.left(file.size() - 4)); }),
              QStringLiteral("Bitmap image is not valid"));
}

TEST(Loading, KeepsEightBitsPerPixelIndexed) {
    const QImage sample = nvLogoSample();
    EXPECT_EQ(sample.size(), QSize(167, 49));
    EXPECT_EQ(sample.format(), QImage::Format_Indexed8);
}

TEST(Loading, TheMainWindowSampleIs133By39FromATrueColourFile) {
    const QImage sample = mainWindowSample();
    EXPECT_EQ(sample.size(), QSize(133, 39));
    EXPECT_EQ(sample.depth(), 32); // 24-bit files decode to 32-bit true colour
    EXPECT_FALSE(sample.hasAlphaChannel());
}

TEST(Loading, TheExtensionIsKnownInAnyCase) {
    QTemporaryDir dir;
    const QByteArray file = bitmapFile(patternFor(4, 4, 24), 24);
    EXPECT_EQ(loadPicture(writeFile(dir.filePath(QStringLiteral("UPPER.BMP")), file)).size(), QSize(4, 4));
    EXPECT_EQ(loadPicture(writeFile(dir.filePath(QStringLiteral("mixed.Bmp")), file)).size(), QSize(4, 4));
}

TEST(Loading, AnUnknownExtensionIsNamedInTheError) {
    QTemporaryDir dir;
    const QByteArray file = bitmapFile(patternFor(4, 4, 24), 24);
    const QString png = writeFile(dir.filePath(QStringLiteral("picture.png")), file);
    EXPECT_EQ(errorOf([&] { loadPicture(png); }), QStringLiteral("Unknown picture file extension (.png)"));
    const QString none = writeFile(dir.filePath(QStringLiteral("picture")), file);
    EXPECT_EQ(errorOf([&] { loadPicture(none); }), QStringLiteral("Unknown picture file extension (.)"));
}

const QString notValid = QStringLiteral("Bitmap image is not valid");

TEST(Damaged, AFileThatIsNoBitmapIsNotValid) {
    EXPECT_EQ(errorOf([] { decodeBitmap("not a picture at all, just some text"); }), notValid);
    EXPECT_EQ(errorOf([] { decodeBitmap(QByteArray()); }), notValid);
    QByteArray file = bitmapFile(patternFor(8, 8, 24), 24);
    file[0] = 'X';
    EXPECT_EQ(errorOf([&] { decodeBitmap(file); }), notValid);
}

TEST(Damaged, PixelDataCutShortIsNotValid) {
    for (int bits : {1, 8, 24, 32}) {
        SCOPED_TRACE(bits);
        const QByteArray whole = bitmapFile(patternFor(9, 7, bits), bits);
        EXPECT_NO_THROW(decodeBitmap(whole));
        EXPECT_EQ(errorOf([&] { decodeBitmap(whole.left(whole.size() - 1)); }), notValid);
        EXPECT_EQ(errorOf([&] { decodeBitmap(whole.left(70)); }), notValid);
    }
}

TEST(Damaged, RunLengthDataCutShortIsNotValid) {
    const QByteArray whole = bitmapFile(patternFor(17, 6, 8), 8, RowOrder::BottomUp, Compression::Rle);
    EXPECT_EQ(errorOf([&] { decodeBitmap(whole.left(whole.size() - 10)); }), notValid);
    // Without the data size in the header the decoder itself finds the runs missing.
    QByteArray unsized = whole.left(whole.size() - 10);
    qToLittleEndian<quint32>(0, unsized.data() + 34);
    EXPECT_EQ(errorOf([&] { decodeBitmap(unsized); }), notValid);
}

TEST(Damaged, ZeroSizeIsNotValid) {
    QByteArray file = bitmapFile(patternFor(4, 4, 24), 24);
    qToLittleEndian<qint32>(0, file.data() + 18); // width
    EXPECT_EQ(errorOf([&] { decodeBitmap(file); }), notValid);
}

TEST(Damaged, APictureTooLargeToHoldIsRefusedInsteadOfDecoded) {
    // A run-length file of a few bytes that claims 60000 x 60000 pixels (13 GiB decoded).
    QByteArray file = bitmapFile(patternFor(2, 1, 8), 8, RowOrder::BottomUp, Compression::Rle);
    qToLittleEndian<qint32>(60000, file.data() + 18);
    qToLittleEndian<qint32>(60000, file.data() + 22);
    EXPECT_EQ(errorOf([&] { decodeBitmap(file); }), notValid);
    // Just above the limit is refused, whatever the data.
    qToLittleEndian<qint32>(8193, file.data() + 18);
    qToLittleEndian<qint32>(8192, file.data() + 22);
    EXPECT_EQ(errorOf([&] { decodeBitmap(file); }), notValid);
}

} // namespace
