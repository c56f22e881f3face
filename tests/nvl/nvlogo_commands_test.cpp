#include "app/sharedstate.h"
#include "fixturepictures.h"
#include "nvl/nvlogo.h"
#include "nvl/samples.h"
#include "support/gtestqt.h"

#include <gtest/gtest.h>

namespace {

class NvLogoCommands : public testing::Test {
  protected:
    void SetUp() override { setControlCharacters(); }
};

QRgb mixed(int x, int y) {
    return qRgb((x * 53 + y * 7) % 256, (x * 11 + y * 17) % 256, (x * 3 + y * 101) % 256);
}

TEST_F(NvLogoCommands, DownloadOfTheSampleIs1188Bytes) {
    const QImage sample = nvLogoSample();
    const QByteArray command =
        nvLogoDownloadCommand(sample, conversionPlan(ConversionCommand::NvLogoDownload, sample.size()));
    ASSERT_EQ(command.size(), 1188);
    EXPECT_EQ(command.left(11), QByteArray::fromHex("1B401D541C710115000700"));
    EXPECT_EQ(command.mid(11, 1176), expectedColumnBytes(sample, 0, 168, 56, defaultDotThreshold));
    EXPECT_EQ(command.back(), '\x01');
}

TEST_F(NvLogoCommands, DownloadCarriesTheFixturePicturesDotsAndABlankExtraRow) {
    // 10 x 16: W 10 (6 fill columns), H 17 -> 3 bytes high; rows 16 to 23 are blank.
    const QImage picture = paintedPicture(10, 16, mixed);
    const QByteArray command =
        nvLogoDownloadCommand(picture, conversionPlan(ConversionCommand::NvLogoDownload, picture.size()));
    const QByteArray dots = expectedColumnBytes(picture, 0, 16, 24, defaultDotThreshold);
    EXPECT_EQ(command, QByteArray::fromHex("1B401D541C710102000300") + dots + "\x01");
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ(dots[3 * c + 2], '\0') << c;
}

TEST_F(NvLogoCommands, DownloadUsesTheGivenThreshold) {
    const QImage picture = paintedPicture(8, 8, mixed);
    const QByteArray command = nvLogoDownloadCommand(
        picture, conversionPlan(ConversionCommand::NvLogoDownload, picture.size(), 0, 0x4000));
    EXPECT_EQ(command.mid(11, 16), expectedColumnBytes(picture, 0, 8, 16, 0x4000));
    EXPECT_NE(command.mid(11, 16), expectedColumnBytes(picture, 0, 8, 16, defaultDotThreshold));
}

TEST_F(NvLogoCommands, LeftTrimSkipsTheFirstColumns) {
    // Edit11 = 3 on an 11-pixel picture: W 8, no fill, columns 3 to 10.
    const QImage picture = paintedPicture(11, 8, mixed);
    const ConversionPlan plan = conversionPlan(ConversionCommand::NvLogoDownload, picture.size(), 3);
    const QByteArray command = nvLogoDownloadCommand(picture, plan);
    EXPECT_EQ(command, QByteArray::fromHex("1B401D541C710101000200") +
                           expectedColumnBytes(picture, 3, 8, 16, defaultDotThreshold) + "\x01");
}

TEST_F(NvLogoCommands, WidthAndHeightGoLowByteFirst) {
    const ConversionPlan plan = conversionPlan(ConversionCommand::NvLogoDownload, QSize(2400, 2048));
    ASSERT_EQ(plan.geometry.widthBytes, 300);
    ASSERT_EQ(plan.geometry.heightBytes, 257);
    // The large plan's header without its dot data, so the test stays small.
    ConversionPlan header = plan;
    header.sample.columns = 0;
    EXPECT_EQ(nvLogoDownloadCommand(QImage(), header), QByteArray::fromHex("1B401D541C71012C01010101"));
}

TEST_F(NvLogoCommands, DefinitionIsTheDownloadWithoutItsFirstFourBytes) {
    const QImage picture = paintedPicture(9, 5, mixed);
    const ConversionPlan plan = conversionPlan(ConversionCommand::ConvertedDataText, picture.size());
    EXPECT_EQ(nvLogoDefinition(picture, plan), nvLogoDownloadCommand(picture, plan).mid(4));
}

TEST_F(NvLogoCommands, PrintSendsTheScalingAsAnAsciiDigit) {
    const std::pair<int, const char *> cases[] = {{0, "30"}, {1, "31"}, {2, "32"}, {3, "33"}};
    for (const auto &[index, digit] : cases)
        EXPECT_EQ(nvLogoPrintCommand(index),
                  QByteArray::fromHex(QByteArray("1B401B61011D541C7001") + digit + "1B40"));
}

TEST_F(NvLogoCommands, ClearDefinesABlankEightByEightImage) {
    EXPECT_EQ(nvLogoClearCommand(), QByteArray::fromHex("1C710101000100") + QByteArray(8, '\0') + "\x01");
    EXPECT_EQ(nvLogoClearCommand().size(), 16);
}

TEST_F(NvLogoCommands, MainWindowPrintUsesTheByteZeroForNormalSize) {
    EXPECT_EQ(nvLogoPrintNormalCommand(), QByteArray::fromHex("1C700100"));
}

TEST(PictureDisplay, SizeTextAndWindowSize) {
    EXPECT_EQ(pictureSizeText(1176), QStringLiteral("位图大小： 1176 字节"));
    const std::tuple<int, int, int, int> cases[] = {{464, 464, 750, 539},
                                                    {472, 472, 758, 547},
                                                    {167, 49, 750, 539},
                                                    {472, 8, 758, 539},
                                                    {8, 472, 750, 547}};
    for (const auto &[w, h, width, height] : cases)
        EXPECT_EQ(windowSizeFor(rasterGeometry(w, h)), QSize(width, height)) << w << " x " << h;
}

} // namespace
