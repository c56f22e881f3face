#include "nvl/exportstext.h"

#include <gtest/gtest.h>

namespace {

TEST(ExportText, PlainEntriesAreTwoUppercaseDigits) {
    EXPECT_EQ(plainEntries(QByteArray::fromHex("1C7101FF000A")),
              QByteArray(",0x1C,0x71,0x01,0xFF,0x00,0x0A"));
    EXPECT_EQ(plainEntries(QByteArray()), QByteArray());
}

TEST(ExportText, ScrambledEntriesHoldZeroToTwoDigits) {
    EXPECT_EQ(scrambledEntries(QByteArray::fromHex("4300FF17")), QByteArray(",0x,0x69,0x68,0xB0"));
}

TEST(ExportText, LinePrefixGoesBeforeEveryFiftyCharactersButNotBeforeTheLastOne) {
    const QByteArray prefix("\r\n.db  ");
    const QByteArray fifty(50, 'a');
    EXPECT_EQ(breakIntoLines(QByteArray()), QByteArray());
    EXPECT_EQ(breakIntoLines("a"), QByteArray("a")); // the only character is the last one
    EXPECT_EQ(breakIntoLines("ab"), prefix + "ab");
    EXPECT_EQ(breakIntoLines(fifty + "b"), prefix + fifty + "b");
    EXPECT_EQ(breakIntoLines(fifty + "bc"), prefix + fifty + prefix + "bc");
    EXPECT_EQ(breakIntoLines(fifty + fifty), prefix + fifty + prefix + fifty);
}

TEST(ExportText, SpaceCommaPairsAreRemovedUntilNoneIsLeft) {
    EXPECT_EQ(removeSpaceCommas("\r\n.db  ,0x1C"), QByteArray("\r\n.db 0x1C"));
    EXPECT_EQ(removeSpaceCommas("\r\n.db  x69"), QByteArray("\r\n.db  x69"));
    // Removing one pair can join a space and a comma into the next.
    EXPECT_EQ(removeSpaceCommas("a  ,,b"), QByteArray("ab"));
    EXPECT_EQ(removeSpaceCommas("x , ,y"), QByteArray("xy"));
}

TEST(ExportText, PlainTextOfAnAllBlackEightByEightPicture) {
    const QByteArray bytes = QByteArray::fromHex("1C710101000100") + QByteArray(8, '\xFF') + '\x01';
    ASSERT_EQ(bytes.size(), 16);
    EXPECT_EQ(removeSpaceCommas(breakIntoLines(plainEntries(bytes))),
              QByteArray("\r\n.db 0x1C,0x71,0x01,0x01,0x00,0x01,0x00,0xFF,0xFF,0xFF"
                         "\r\n.db 0xFF,0xFF,0xFF,0xFF,0xFF,0x01"));
}

TEST(ExportText, ScrambledLinesBreakInsideAnEntryKeepingTwoSpaces) {
    // Sixteen empty entries (",0x") fill 48 characters; the break at 50 falls inside ",0x69".
    const QByteArray bytes = QByteArray(16, '\x43') + QByteArray(1, '\0');
    EXPECT_EQ(removeSpaceCommas(breakIntoLines(scrambledEntries(bytes))),
              "\r\n.db 0x" + QByteArray(",0x").repeated(15) + ",0" + "\r\n.db  x69");
}

} // namespace
