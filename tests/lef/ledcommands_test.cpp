#include "app/sharedstate.h"
#include "lef/ledcommands.h"

#include "support/gtestqt.h"

#include <gtest/gtest.h>

namespace {

class LedCommands : public ::testing::Test {
  protected:
    void SetUp() override { setControlCharacters(); }
};

TEST_F(LedCommands, FixedCommandsAreTheirBytes) {
    EXPECT_EQ(ledUnitPriceCommand(), QByteArray::fromHex("1b7331"));
    EXPECT_EQ(ledTotalCommand(), QByteArray::fromHex("1b7332"));
    EXPECT_EQ(ledClearScreenCommand(), QByteArray::fromHex("0c"));
    EXPECT_EQ(ledClearCursorLineCommand(), QByteArray::fromHex("18"));
    EXPECT_EQ(ledInitialiseCommand(), QByteArray::fromHex("1b40"));
}

TEST_F(LedCommands, AmountIsFramedByEscQAAndCrAndSentUnchecked) {
    const struct {
        QString amount;
        QByteArray bytes;
    } cases[] = {
        {QStringLiteral("12345678"), QByteArray::fromHex("1b5141 3132333435363738 0d")},
        {QString(), QByteArray::fromHex("1b5141 0d")},
        {QStringLiteral("ab c-"), QByteArray::fromHex("1b5141 616220632d 0d")},
        {QStringLiteral("价"), QByteArray::fromHex("1b5141 e4bbb7 0d")}, // the system code page: UTF-8 here
    };
    for (const auto &c : cases)
        EXPECT_EQ(ledAmountCommand(c.amount), c.bytes) << c.amount.toStdString();
}

} // namespace
