#include "app/sharedstate.h"
#include "service/impacttest.h"
#include "support/gtestqt.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

QByteArray hex(const char *text) {
    return QByteArray::fromHex(text);
}

const QByteArray settingsAtStart = hex("1B401B7B00 1B5500 1B6100");
const QByteArray closing = hex("1C210C 1B6101 0A B2E2CAD4BBFAD0BECDEAB3C9 1B6405 1B40");

ImpactTestSettings range(int first, int last, bool lineFeedEveryLine = false) {
    ImpactTestSettings settings;
    settings.first = first;
    settings.last = last;
    settings.lineFeedEveryLine = lineFeedEveryLine;
    return settings;
}

// The stream appended step by step as the printer documentation lists it, for comparison.
QByteArray referenceStream(const ImpactTestSettings &s) {
    QByteArray bytes = hex("1B401B7B") + char(s.upsideDown) + hex("1B55") + char(s.unidirectional) +
                       hex("1B61") + char(s.aligned);
    for (qint64 k = s.first; k <= s.last; ++k) {
        bytes += QByteArray::number(k);
        bytes += k < 10 ? '\x0A' : '\x0D';
        bytes += hex("1C530000 1B2A");
        bytes += char(s.mode & 0xFF);
        bytes += char(int(k) % 256);
        bytes += char(int(k) / 256);
        bytes += QByteArray(k > 0 ? qsizetype(k) : 0, '\x01');
        bytes += hex("D0BB46");
        bytes += (s.lineFeedEveryLine || k % 10 == 0) ? hex("0D0A") : hex("0D");
    }
    return bytes + closing;
}

class ImpactTest : public ::testing::Test {
  protected:
    void SetUp() override { setControlCharacters(); }
};

TEST_F(ImpactTest, StartValuesGiveTheDocumentedLengths) {
    EXPECT_EQ(impactTestCommand(range(0, 200)).size(), 23463);
    EXPECT_EQ(impactTestCommand(range(0, 200, true)).size(), 23643);
    EXPECT_EQ(impactTestCommand(range(0, 400)).size(), 86983);
    EXPECT_EQ(impactTestLength(0, 200, false), 23463);
    EXPECT_EQ(impactTestLength(0, 200, true), 23643);
    EXPECT_EQ(impactTestLength(0, 400, false), 86983);
}

TEST_F(ImpactTest, SingleLinesByteForByte) {
    const std::tuple<int, bool, const char *> cases[] = {
        {0, false, "300A 1C530000 1B2A000000 D0BB46 0D0A"},
        {12, false, "31320D 1C530000 1B2A000C00 010101010101010101010101 D0BB46 0D"},
        {12, true, "31320D 1C530000 1B2A000C00 010101010101010101010101 D0BB46 0D0A"},
        {9, false, "390A 1C530000 1B2A000900 010101010101010101 D0BB46 0D"},
        {-5, false, "2D350A 1C530000 1B2A00FB00 D0BB46 0D"},
        {-10, false, "2D31300A 1C530000 1B2A00F600 D0BB46 0D0A"},
        {-300, false, "2D3330300A 1C530000 1B2A00D4FF D0BB46 0D0A"}};
    for (const auto &[line, lineFeed, expected] : cases)
        EXPECT_EQ(impactTestCommand(range(line, line, lineFeed)), settingsAtStart + hex(expected) + closing)
            << line;
}

TEST_F(ImpactTest, LineOf300CarriesLowAndHighByteOfItsLength) {
    const QByteArray stream = impactTestCommand(range(300, 300));
    EXPECT_EQ(stream.mid(11, 13), hex("3330300D 1C530000 1B2A002C01"));
}

TEST_F(ImpactTest, SettingsAndModeFollowTheControls) {
    ImpactTestSettings settings = range(0, 0);
    settings.upsideDown = true;
    settings.unidirectional = true;
    settings.aligned = true;
    settings.mode = 300;
    EXPECT_EQ(impactTestCommand(settings),
              hex("1B401B7B01 1B5501 1B6101") + hex("300A 1C530000 1B2A2C0000 D0BB46 0D0A") + closing);
    settings.aligned = false;
    settings.upsideDown = false;
    settings.mode = -1;
    EXPECT_EQ(impactTestCommand(settings).left(20), hex("1B401B7B00 1B5501 1B6100 300A1C530000 1B2AFF"));
}

TEST_F(ImpactTest, ReversedRangeIsSettingsAndClosingOnly) {
    EXPECT_EQ(impactTestCommand(range(5, 4)), settingsAtStart + closing);
    EXPECT_EQ(impactTestLength(5, 4, true), 35);
}

TEST_F(ImpactTest, WholeStreamsMatchTheStepByStepStream) {
    const std::tuple<int, int, bool> cases[] = {{0, 200, false},    {0, 200, true},       {-25, 37, false},
                                                {-25, 37, true},    {-1010, -990, false}, {95, 105, true},
                                                {998, 1002, false}, {7, 7, false}};
    for (const auto &[first, last, lineFeed] : cases) {
        ImpactTestSettings settings = range(first, last, lineFeed);
        settings.mode = 33;
        const QByteArray stream = impactTestCommand(settings);
        EXPECT_EQ(stream, referenceStream(settings)) << first << ".." << last << " " << lineFeed;
        EXPECT_EQ(impactTestLength(first, last, lineFeed), stream.size()) << first << ".." << last;
    }
}

TEST_F(ImpactTest, LongestAcceptedRangeEndsJustBelowTheLimit) {
    for (const int first : {0, -100000, 5000}) {
        for (const bool lineFeed : {false, true}) {
            const std::optional<int> last = largestImpactTestLastLine(first, lineFeed);
            ASSERT_TRUE(last.has_value()) << first;
            EXPECT_LE(impactTestLength(first, *last, lineFeed), impactTestLimit) << first;
            EXPECT_GT(impactTestLength(first, *last + 1, lineFeed), impactTestLimit) << first;
        }
    }
    const int last = *largestImpactTestLastLine(0, false);
    EXPECT_EQ(impactTestCommand(range(0, last)).size(), impactTestLength(0, last, false));
}

TEST_F(ImpactTest, LengthOfTheWidestRangeIsComputedWithoutOverflow) {
    constexpr int lowest = std::numeric_limits<int>::min();
    constexpr int highest = std::numeric_limits<int>::max();
    EXPECT_GT(impactTestLength(0, 100000, false), qint64(5) * 1000 * 1000 * 1000);
    EXPECT_GT(impactTestLength(lowest, highest, true), qint64(highest) * highest / 2);
    EXPECT_GT(impactTestLength(lowest, lowest + 1000000, false), impactTestLimit);
    EXPECT_FALSE(largestImpactTestLastLine(17000000, false).has_value()); // the first line alone is too long
    EXPECT_TRUE(largestImpactTestLastLine(lowest, true).has_value());
}

} // namespace
