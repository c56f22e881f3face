#include "app/errors.h"
#include "nvl/scramblehex.h"

#include <gtest/gtest.h>

namespace {

struct ScrambleCase {
    const char *plain;
    const char *expected;
};

// Worked by hand with the key "D4": the working key is plain - 67 in hexadecimal (eight digits when
// negative), each of its pairs XOR D4 gives one or two digits, the result is the last two characters.
const ScrambleCase handWorked[] = {
    {"00", "69"}, // FFFFFFBD: 2B 2B 2B 69
    {"01", "6A"}, // FFFFFFBE: 2B 2B 2B 6A
    {"17", "B0"}, // FFFFFFD4: 2B 2B 2B 0 -> "2B2B2B0"
    {"1C", "BD"}, // FFFFFFD9: 2B 2B 2B D
    {"22", "BB"}, // FFFFFFDF: 2B 2B 2B B
    {"23", "34"}, // FFFFFFE0: 2B 2B 2B 34
    {"42", "2B"}, // FFFFFFFF: 2B 2B 2B 2B
    {"43", ""},   // 0: one digit, no pair
    {"4C", ""},   // 9
    {"52", ""},   // F
    {"53", "C4"}, // 10 XOR D4
    {"71", "FA"}, // 2E XOR D4
    {"FF", "68"}, // BC XOR D4
    {"ff", "68"}, // lowercase digits read the same
};

TEST(ScrambleHex, HandWorkedRowsWithTheExportKey) {
    for (const ScrambleCase &c : handWorked)
        EXPECT_EQ(ScrambleHex(QString::fromLatin1(c.plain), QStringLiteral("D4")),
                  QString::fromLatin1(c.expected))
            << c.plain;
}

// Every plain byte against the three ranges of the rules.
TEST(ScrambleHex, EveryPlainByteWithTheExportKey) {
    for (int plain = 0; plain <= 0xFF; ++plain) {
        const QString digits = QStringLiteral("%1").arg(plain, 2, 16, QLatin1Char('0')).toUpper();
        const QString result = ScrambleHex(digits, QStringLiteral("D4"));
        QString expected;
        if (plain < 67) {
            // Three pairs FF (2B each) and the low pair of the two's complement.
            const int lowPair = (plain + 256 - 67) ^ 0xD4;
            expected = (QStringLiteral("2B2B2B") + QString::number(lowPair, 16).toUpper()).right(2);
        } else if (plain > 82) {
            expected = QString::number((plain - 67) ^ 0xD4, 16).toUpper();
            EXPECT_EQ(expected.size(), 2);
        }
        EXPECT_EQ(result, expected) << digits.toStdString();
        EXPECT_LE(result.size(), 2);
    }
}

TEST(ScrambleHex, LongerKeysScrambleThePreviousPass) {
    // "53": pass 1 gives C4; pass 2 takes C4 as its working key: C4 XOR A1 = 65.
    EXPECT_EQ(ScrambleHex(QStringLiteral("53"), QStringLiteral("D4A1")), QStringLiteral("65"));
    // "00": pass 1 gives 2B2B2B69; pass 2: 8A 8A 8A C8.
    EXPECT_EQ(ScrambleHex(QStringLiteral("00"), QStringLiteral("D4A1")), QStringLiteral("C8"));
    // "17": pass 1 gives 2B2B2B0, whose odd last digit forms no pair in pass 2: 8A 8A 8A.
    EXPECT_EQ(ScrambleHex(QStringLiteral("17"), QStringLiteral("D4A1")), QStringLiteral("8A"));
    // No key byte: no pass.
    EXPECT_EQ(ScrambleHex(QStringLiteral("FF"), QString()), QString());
}

TEST(ScrambleHex, PlainTextThatIsNotHexadecimalRaisesTheConversionError) {
    EXPECT_THROW(ScrambleHex(QStringLiteral("G1"), QStringLiteral("D4")), KqError);
}

} // namespace
