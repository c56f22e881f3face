#include "app/errors.h"
#include "app/textconv.h"

#include "support/gtestqt.h"

#include <gtest/gtest.h>

namespace {

struct IntCase {
    const char *text;
    std::optional<int> value;
};

class IntegerConversion : public ::testing::TestWithParam<IntCase> {};

TEST_P(IntegerConversion, AcceptsExactlyTheTextsOfTheRules) {
    const IntCase &c = GetParam();
    EXPECT_EQ(tryStrToInt(QString::fromUtf8(c.text)), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerConversion,
    ::testing::Values(IntCase{"0", 0}, IntCase{"5", 5}, IntCase{"+5", 5}, IntCase{"-5", -5},
                      IntCase{" 12", 12}, IntCase{"   -7", -7}, IntCase{"007", 7},
                      IntCase{"2147483647", 2147483647}, IntCase{"-2147483648", -2147483647 - 1},
                      IntCase{"2147483648", std::nullopt}, IntCase{"-2147483649", std::nullopt},
                      IntCase{"$FFFFFFFF", -1}, IntCase{"$7FFFFFFF", 2147483647},
                      IntCase{"$80000000", -2147483647 - 1}, IntCase{"$100000000", std::nullopt},
                      IntCase{"$1a", 26}, IntCase{"x1F", 31}, IntCase{"X1f", 31}, IntCase{"0x10", 16},
                      IntCase{"0X10", 16}, IntCase{" $A", 10}, IntCase{"0x", std::nullopt},
                      IntCase{"$", std::nullopt}, IntCase{"-$5", std::nullopt}, IntCase{"+0x5", std::nullopt},
                      IntCase{"12 ", std::nullopt}, IntCase{"1 2", std::nullopt}, IntCase{"", std::nullopt},
                      IntCase{" ", std::nullopt}, IntCase{"+", std::nullopt}, IntCase{"-", std::nullopt},
                      IntCase{"1.5", std::nullopt}, IntCase{"abc", std::nullopt}, IntCase{"$G", std::nullopt},
                      IntCase{"\t5", std::nullopt}, IntCase{"１２", std::nullopt}));

TEST(IntegerConversionError, NamesTheWholeText) {
    try {
        StrToInt(QStringLiteral(" 12x"));
        FAIL() << "no error raised";
    } catch (const KqError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("' 12x' is not a valid integer value"));
    }
    EXPECT_EQ(StrToInt(QStringLiteral("$FF")), 255);
}

struct FloatCase {
    const char *text;
    std::optional<double> value;
};

class FloatConversion : public ::testing::TestWithParam<FloatCase> {};

TEST_P(FloatConversion, AcceptsExactlyTheTextsOfTheRules) {
    const FloatCase &c = GetParam();
    EXPECT_EQ(tryStrToFloat(QString::fromUtf8(c.text)), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Texts, FloatConversion,
                         ::testing::Values(FloatCase{"0", 0.0}, FloatCase{"10", 10.0},
                                           FloatCase{"45.1584", 45.1584}, FloatCase{"-5", -5.0},
                                           FloatCase{"+2.5", 2.5}, FloatCase{" 1.5 ", 1.5},
                                           FloatCase{".", 0.0}, FloatCase{".5", 0.5}, FloatCase{"5.", 5.0},
                                           FloatCase{"1e2", 100.0}, FloatCase{"1E-2", 0.01},
                                           FloatCase{"2.5e+1", 25.0}, FloatCase{"", std::nullopt},
                                           FloatCase{"   ", std::nullopt}, FloatCase{"abc", std::nullopt},
                                           FloatCase{"1e", std::nullopt}, FloatCase{"e5", std::nullopt},
                                           FloatCase{"1,5", std::nullopt}, FloatCase{"1.2.3", std::nullopt},
                                           FloatCase{"--1", std::nullopt}, FloatCase{"1 0", std::nullopt},
                                           FloatCase{"$10", std::nullopt}, FloatCase{"1e999", std::nullopt}));

TEST(FloatConversionError, NamesTheWholeText) {
    try {
        StrToFloat(QStringLiteral("mm"));
        FAIL() << "no error raised";
    } catch (const KqError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("'mm' is not a valid floating point value"));
    }
}

TEST(OneByte, IsTheLowEightBits) {
    EXPECT_EQ(lowByte(300), '\x2C');
    EXPECT_EQ(lowByte(-1), '\xFF');
    EXPECT_EQ(lowByte(255), '\xFF');
    EXPECT_EQ(lowByte(256), '\x00');
}

} // namespace
