#include "fixturepictures.h"
#include "nvl/raster.h"

#include <gtest/gtest.h>

namespace {

struct GeometryCase {
    int widthDots, heightDots;
    int columnFill, rowFill, widthBytes, heightBytes;
    int xL, xH, yL, yH, dataSize;
    bool tooLarge;
};

class Geometry : public testing::TestWithParam<GeometryCase> {};

TEST_P(Geometry, FollowsTheByteRules) {
    const GeometryCase &c = GetParam();
    const RasterGeometry g = rasterGeometry(c.widthDots, c.heightDots);
    EXPECT_EQ(g.columnFill, c.columnFill);
    EXPECT_EQ(g.rowFill, c.rowFill);
    EXPECT_EQ(g.widthBytes, c.widthBytes);
    EXPECT_EQ(g.heightBytes, c.heightBytes);
    EXPECT_EQ(g.xL, c.xL);
    EXPECT_EQ(g.xH, c.xH);
    EXPECT_EQ(g.yL, c.yL);
    EXPECT_EQ(g.yH, c.yH);
    EXPECT_EQ(g.dataSize, c.dataSize);
    EXPECT_EQ(g.tooLarge(), c.tooLarge);
    EXPECT_EQ(g.paddedColumns(), c.widthDots + c.columnFill);
    EXPECT_EQ(g.paddedRows(), c.heightDots + c.rowFill);
}

INSTANTIATE_TEST_SUITE_P(Table, Geometry,
                         testing::Values(
                             // The sample picture: 21 x 7 bytes, 1176, the start text of the size label.
                             GeometryCase{167, 49, 1, 7, 21, 7, 21, 0, 7, 0, 1176, false},
                             GeometryCase{8, 8, 0, 0, 1, 1, 1, 0, 1, 0, 8, false},
                             GeometryCase{9, 8, 7, 0, 2, 1, 2, 0, 1, 0, 16, false},
                             // The download's extra row: 47 + 1 stays at 6 bytes, 48 + 1 becomes 7.
                             GeometryCase{16, 48, 0, 0, 2, 6, 2, 0, 6, 0, 96, false},
                             GeometryCase{16, 49, 0, 7, 2, 7, 2, 0, 7, 0, 112, false},
                             GeometryCase{200, 250, 0, 6, 25, 32, 25, 0, 32, 0, 6400, false},
                             GeometryCase{200, 2000, 0, 0, 25, 250, 25, 0, 250, 0, 50000, true},
                             GeometryCase{8, 6249, 0, 7, 1, 782, 1, 0, 14, 3, 6256, false},
                             // 49992 is the largest size accepted.
                             GeometryCase{8, 49992, 0, 0, 1, 6249, 1, 0, 105, 24, 49992, false},
                             // Width in bytes 300: xL 2C, xH 01.
                             GeometryCase{2400, 8, 0, 0, 300, 1, 0x2C, 0x01, 1, 0, 2400, false}));

TEST(Geometry, HugeSizesReadAsTooLargeInsteadOfWrappingAround) {
    EXPECT_TRUE(rasterGeometry(200000, 200000).tooLarge());
}

TEST(Geometry, TheDownloadPlanAddsOneRowAndTrimsTheLeft) {
    const ConversionPlan sample = conversionPlan(ConversionCommand::NvLogoDownload, {167, 49}, 0, 123);
    EXPECT_EQ(sample.geometry.widthDots, 167);
    EXPECT_EQ(sample.geometry.heightDots, 50);
    EXPECT_EQ(sample.geometry.dataSize, 1176);
    EXPECT_EQ(sample.sample.threshold, 123);
    EXPECT_EQ(sample.layout, ByteLayout::ColumnBytes);
    EXPECT_EQ(sample.sizeCheck, SizeCheck::DataSizeLimit);

    EXPECT_EQ(conversionPlan(ConversionCommand::NvLogoDownload, {16, 47}).geometry.heightBytes, 6);
    EXPECT_EQ(conversionPlan(ConversionCommand::NvLogoDownload, {16, 48}).geometry.heightBytes, 7);

    const ConversionPlan trimmed = conversionPlan(ConversionCommand::NvLogoDownload, {11, 8}, 3);
    EXPECT_EQ(trimmed.geometry.widthDots, 8);
    EXPECT_EQ(trimmed.geometry.columnFill, 0);
    EXPECT_EQ(trimmed.sample.firstColumn, 3);
    EXPECT_EQ(trimmed.sample.columns, 8);
    EXPECT_EQ(trimmed.sample.rows, 16);
}

TEST(Geometry, EachCommandTakesItsRowOfTheVariantTable) {
    const QSize picture(20, 16);
    struct Row {
        ConversionCommand command;
        int widthDots, heightDots, firstColumn, columns, rows, threshold;
        ByteLayout layout;
        SizeCheck check;
    };
    const Row rows[] = {
        {ConversionCommand::NvLogoDownload, 18, 17, 2, 24, 24, 99, ByteLayout::ColumnBytes,
         SizeCheck::DataSizeLimit},
        {ConversionCommand::DefineBitImage, 18, 17, 2, 24, 24, defaultDotThreshold, ByteLayout::ColumnBytes,
         SizeCheck::BitImageLimits},
        {ConversionCommand::ConvertedDataText, 20, 16, 0, 24, 16, defaultDotThreshold,
         ByteLayout::ColumnBytes, SizeCheck::DataSizeLimit},
        {ConversionCommand::ScrambledData, 20, 16, 0, 24, 16, defaultDotThreshold, ByteLayout::ColumnBytes,
         SizeCheck::DataSizeLimit},
        {ConversionCommand::CutterTest, 20, 16, 0, 24, 16, defaultDotThreshold, ByteLayout::RowBytes,
         SizeCheck::None},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(static_cast<int>(row.command));
        const ConversionPlan plan = conversionPlan(row.command, picture, 2, 99);
        EXPECT_EQ(plan.geometry.widthDots, row.widthDots);
        EXPECT_EQ(plan.geometry.heightDots, row.heightDots);
        EXPECT_EQ(plan.sample.firstColumn, row.firstColumn);
        EXPECT_EQ(plan.sample.columns, row.columns);
        EXPECT_EQ(plan.sample.rows, row.rows);
        EXPECT_EQ(plan.sample.threshold, row.threshold);
        EXPECT_EQ(plan.layout, row.layout);
        EXPECT_EQ(plan.sizeCheck, row.check);
    }
}

struct DotCase {
    const char *name;
    QRgb colour;
    bool dot;
};

class DotTest : public testing::TestWithParam<DotCase> {};

TEST_P(DotTest, AtTheDefaultThresholdBlueAloneDecides) {
    EXPECT_EQ(isDot(GetParam().colour, defaultDotThreshold), GetParam().dot);
}

INSTANTIATE_TEST_SUITE_P(
    PureColours, DotTest,
    testing::Values(DotCase{"red", qRgb(255, 0, 0), true}, DotCase{"green", qRgb(0, 255, 0), true},
                    DotCase{"yellow", qRgb(255, 255, 0), true}, DotCase{"black", qRgb(0, 0, 0), true},
                    DotCase{"blue", qRgb(0, 0, 255), false}, DotCase{"cyan", qRgb(0, 255, 255), false},
                    DotCase{"magenta", qRgb(255, 0, 255), false},
                    DotCase{"white", qRgb(255, 255, 255), false},
                    DotCase{"grey127", qRgb(127, 127, 127), true},
                    DotCase{"grey128", qRgb(128, 128, 128), false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DotTest, AnotherThresholdComparesTheWholeColourValue) {
    // $000080: red alone decides among colours without green and blue, below 128.
    const int threshold = 0x80;
    EXPECT_TRUE(isDot(qRgb(127, 0, 0), threshold));
    EXPECT_FALSE(isDot(qRgb(128, 0, 0), threshold));
    EXPECT_FALSE(isDot(qRgb(0, 1, 0), threshold));
    EXPECT_FALSE(isDot(qRgb(0, 0, 1), threshold));
    EXPECT_EQ(colourValue(qRgb(0x12, 0x34, 0x56)), 0x563412);
    EXPECT_FALSE(isDot(qRgb(0, 0, 0), 0));
    EXPECT_FALSE(isDot(qRgb(0, 0, 0), -1));
    EXPECT_TRUE(isDot(qRgb(255, 255, 255), 0x1000000));
}

QImage whiteWithBlackTopLeft(int width, int height, QImage::Format format) {
    QImage picture = paintedPicture(
        width, height, [](int x, int y) { return x == 0 && y == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255); });
    return format == QImage::Format_Indexed8 ? picture.convertToFormat(format, Qt::ThresholdDither)
                                             : picture.convertToFormat(format);
}

class SingleDot : public testing::TestWithParam<QImage::Format> {};

TEST_P(SingleDot, GivesTheFirstByte80AndNothingElseInBothLayouts) {
    const QImage picture = whiteWithBlackTopLeft(13, 11, GetParam());
    QByteArray expected(2 * 8 * 2, '\0'); // 16 columns x 2 bytes, and 2 x 16 rows
    expected[0] = '\x80';
    EXPECT_EQ(columnByteData(picture, {0, 16, 16, defaultDotThreshold}), expected);
    EXPECT_EQ(rowByteData(picture, {0, 16, 16, defaultDotThreshold}), expected);
}

INSTANTIATE_TEST_SUITE_P(Formats, SingleDot,
                         testing::Values(QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_Indexed8,
                                         QImage::Format_RGB888, QImage::Format_Mono));

QRgb patternColour(int x, int y) {
    // Mixed colours on both sides of the threshold, no two neighbours alike.
    return qRgb((x * 37 + y * 11) % 256, (x * 5 + y * 71) % 256, (x * 13 + y * 29) % 256);
}

TEST(Conversion, ColumnBytesMatchAPixelByPixelComputationWithFillAndTrim) {
    const QImage picture = paintedPicture(21, 13, patternColour);
    for (int threshold : {defaultDotThreshold, 0x400000, 0x808080}) {
        for (int trim : {0, 3, -2}) {
            SCOPED_TRACE(testing::Message() << "threshold " << threshold << " trim " << trim);
            const RasterSample sample{trim, 24, 16, threshold};
            EXPECT_EQ(columnByteData(picture, sample), expectedColumnBytes(picture, trim, 24, 16, threshold));
        }
    }
}

TEST(Conversion, RowBytesMatchAPixelByPixelComputationWithFill) {
    const QImage picture = paintedPicture(21, 13, patternColour);
    EXPECT_EQ(rowByteData(picture, {0, 24, 13, defaultDotThreshold}),
              expectedRowBytes(picture, 24, 13, defaultDotThreshold));
}

TEST(Conversion, FillPositionsAreBlankEvenWhereThePictureWouldPrint) {
    const QImage black = paintedPicture(9, 3, [](int, int) { return qRgb(0, 0, 0); });
    // Columns 0..8 hold 3 dots from the top (E0), columns 9..15 are fill.
    QByteArray expected;
    for (int c = 0; c < 16; ++c)
        expected.append(c < 9 ? '\xE0' : '\0');
    EXPECT_EQ(columnByteData(black, {0, 16, 8, defaultDotThreshold}), expected);
    // Row layout: 9 dots then 7 fill dots per row, 8 rows of which 5 are fill.
    QByteArray rows;
    for (int r = 0; r < 8; ++r)
        rows.append(r < 3 ? QByteArray("\xFF\x80", 2) : QByteArray(2, '\0'));
    EXPECT_EQ(rowByteData(black, {0, 16, 8, defaultDotThreshold}), rows);
}

TEST(Conversion, NothingToSampleGivesNoBytes) {
    const QImage picture = paintedPicture(4, 4, patternColour);
    EXPECT_TRUE(columnByteData(picture, {5, 0, 8, defaultDotThreshold}).isEmpty());
    EXPECT_TRUE(columnByteData(picture, {5, -8, 8, defaultDotThreshold}).isEmpty());
    // A trim past the picture samples fill only.
    EXPECT_EQ(columnByteData(picture, {40, 8, 8, 0x1000000}), QByteArray(8, '\0'));
}

TEST(Conversion, ConvertFollowsThePlansLayout) {
    const QImage picture = paintedPicture(17, 9, patternColour);
    const ConversionPlan cutter = conversionPlan(ConversionCommand::CutterTest, picture.size());
    EXPECT_EQ(convert(picture, cutter), expectedRowBytes(picture, 24, 9, defaultDotThreshold));
    const ConversionPlan text = conversionPlan(ConversionCommand::ConvertedDataText, picture.size());
    EXPECT_EQ(convert(picture, text), expectedColumnBytes(picture, 0, 24, 16, defaultDotThreshold));
}

TEST(BitsToHexTest, GivesUppercaseDigitsWithAtLeastTwo) {
    const std::pair<const char *, const char *> cases[] = {
        {"00000000", "00"}, {"10000000", "80"}, {"00001111", "0F"}, {"11111111", "FF"},
        {"10100101", "A5"}, {"1", "01"},        {"", "00"},         {"100000000", "100"},
    };
    for (const auto &[bits, hex] : cases)
        EXPECT_EQ(BitsToHex(QString::fromLatin1(bits)), QString::fromLatin1(hex)) << bits;
    EXPECT_EQ(hexDigits(0x2C), QStringLiteral("2C"));
    EXPECT_EQ(hexDigits(7), QStringLiteral("07"));
}

} // namespace
