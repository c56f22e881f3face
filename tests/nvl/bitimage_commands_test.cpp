#include "app/sharedstate.h"
#include "nvl/bitimagecommands.h"

#include <gtest/gtest.h>

namespace {

class BitImageCommands : public ::testing::Test {
  protected:
    void SetUp() override { setControlCharacters(); }
};

struct LimitCase {
    int widthBytes, heightBytes, x, y;
};

TEST_F(BitImageCommands, LimitsCutWidthThenHeightThenTheProduct) {
    const LimitCase cases[] = {
        {21, 7, 21, 7},    // the sample picture
        {300, 9, 255, 6},  // 2400 x 64: width limit, then 255 x 9 > 1536
        {25, 63, 25, 48},  // 200 x 500: height limit only
        {32, 48, 32, 48},  // exactly 1536
        {33, 48, 33, 46},  // one over: 1536 div 33
        {1536, 1, 255, 1}, // a wide strip
        {0, 7, 0, 7},      // nothing left after the trim
    };
    for (const LimitCase &c : cases) {
        const BitImageSize size = limitBitImage(c.widthBytes, c.heightBytes);
        EXPECT_EQ(size.x, c.x) << c.widthBytes << "x" << c.heightBytes;
        EXPECT_EQ(size.y, c.y) << c.widthBytes << "x" << c.heightBytes;
    }
}

TEST_F(BitImageCommands, DefineCommandStartsWithItsSizeText) {
    const QByteArray dots(8 * 21 * 7, '\x5A');
    const QByteArray command = defineBitImageCommand({21, 7}, dots);
    EXPECT_EQ(command.left(15), QByteArray("xL=21;yL=7\n\x1D\x2A\x15\x07"));
    EXPECT_EQ(command.mid(15), dots);
    EXPECT_EQ(defineBitImageCommand({255, 6}, QByteArray()), QByteArray("xL=255;yL=6\n\x1D\x2A\xFF\x06"));
}

TEST_F(BitImageCommands, PrintCommandsAreFixed) {
    EXPECT_EQ(printBitImageFourModesCommand(), QByteArray::fromHex("1D2F001D2F011D2F021D2F03"));
    EXPECT_EQ(printBitImageOnceCommand(), QByteArray::fromHex("1B61001D2F000A") + "plimo\n");
}

TEST_F(BitImageCommands, SizeTextShowsTheBytesOfTheImage) {
    EXPECT_EQ(bitImageSizeText({21, 7}), QStringLiteral("位图大小: 147 字节"));
}

} // namespace
