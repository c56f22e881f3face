#include "app/errors.h"
#include "app/sharedstate.h"
#include "df/blackmarkcommands.h"

#include "support/gtestqt.h"

#include <gtest/gtest.h>

namespace {

class BlackMarkCommands : public ::testing::Test {
  protected:
    void SetUp() override { setControlCharacters(); }
};

struct OffsetCase {
    double millimetres;
    int units, nL, nH;
};

TEST_F(BlackMarkCommands, MillimetresBecomeUnitsRoundedHalfToEvenAndSplitTowardZero) {
    const OffsetCase cases[] = {
        {0, 0, 0, 0},           {10, 57, 57, 0},      // 56.69
        {100, 567, 55, 2},      {45.1584, 256, 0, 1}, // exactly 256
        {0.0882, 0, 0, 0},                            // exactly one half: to the even 0
        {0.2646, 2, 2, 0},                            // 1.5 to the even 2
        {0.441, 2, 2, 0},                             // 2.5 to the even 2
        {5.3802, 31, 31, 0},                          // 30.500000000000004 with the extended divisor
        {21.0798, 120, 120, 0}, // 119.5 with the extended divisor, 119.49999999999999 without
        {-5, -28, -28, 0},      {-45.1584, -256, 0, -1}, {-100, -567, -55, -2}, {11561, 65539, 3, 256},
    };
    for (const OffsetCase &c : cases) {
        const BlackMarkOffset offset = blackMarkOffset(c.millimetres);
        EXPECT_EQ(offset.units, c.units) << c.millimetres;
        EXPECT_EQ(offset.nL, c.nL) << c.millimetres;
        EXPECT_EQ(offset.nH, c.nH) << c.millimetres;
    }
}

TEST_F(BlackMarkCommands, UnitCountBeyond32BitsIsRefused) {
    EXPECT_EQ(blackMarkOffset(378816115.0).units, 2147483645);
    EXPECT_EQ(blackMarkOffset(-378816115.0).units, -2147483645);
    for (const double millimetres : {378816116.0, -378816116.0, 1e300}) {
        try {
            blackMarkOffset(millimetres);
            ADD_FAILURE() << millimetres << " was converted";
        } catch (const KqError &error) {
            EXPECT_EQ(error.message(), QStringLiteral("Invalid floating point operation"));
        }
    }
}

TEST_F(BlackMarkCommands, OffsetCommandIsElevenBytesWithPositionDirectionAndLowBytes) {
    struct Case {
        BlackMarkPosition position;
        FeedDirection direction;
        BlackMarkOffset offset;
        const char *hex;
    } cases[] = {
        {BlackMarkPosition::PrintStart, FeedDirection::Forward, {0, 0, 0}, "1d541d284604000100 0000"},
        {BlackMarkPosition::PrintStart, FeedDirection::Backward, {567, 55, 2}, "1d541d284604000101 3702"},
        {BlackMarkPosition::CutTear, FeedDirection::Forward, {-28, -28, 0}, "1d541d284604000200 e400"},
        {BlackMarkPosition::CutTear, FeedDirection::Backward, {65539, 3, 256}, "1d541d284604000201 0300"},
        {BlackMarkPosition::PrintStart, FeedDirection::Forward, {-256, 0, -1}, "1d541d284604000100 00ff"},
    };
    for (const Case &c : cases) // fromHex skips the blanks
        EXPECT_EQ(blackMarkOffsetCommand(c.position, c.direction, c.offset), QByteArray::fromHex(c.hex))
            << c.hex;
}

TEST_F(BlackMarkCommands, DemonstrationPrintsAreTheirGbkTextsAndFeeds) {
    // 开始打印 LF 然后走纸到下一个起始打印位置 ESC d 5 LF GS T GS FF CR
    const QByteArray printStart =
        QByteArray::fromHex("bfaacabcb4f2d3a1"
                            "0a"
                            "c8bbbaf3d7dfd6bdb5bdcfc2d2bbb8f6c6f0cabcb4f2d3a1cebbd6c3"
                            "1b64050a1d541d0c0d");
    // 开始打印 LF 然后走纸到下一个切/撕纸位置 ESC d 5 LF GS T GS V B CR
    const QByteArray cutTear = QByteArray::fromHex("bfaacabcb4f2d3a1"
                                                   "0a"
                                                   "c8bbbaf3d7dfd6bdb5bdcfc2d2bbb8f6c7d02fcbbad6bdcebbd6c3"
                                                   "1b64050a1d541d56420d");
    EXPECT_EQ(printStartDemoCommand(), printStart);
    EXPECT_EQ(cutTearDemoCommand(), cutTear);
    EXPECT_EQ(printStart.size(), 46);
    EXPECT_EQ(cutTear.size(), 46);
}

} // namespace
