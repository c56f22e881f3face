#include "app/errors.h"
#include "app/sharedstate.h"
#include "service/basiccommands.h"
#include "service/codepagecommands.h"
#include "service/optioncommands.h"
#include "support/gtestqt.h"

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char *text) {
    return QByteArray::fromHex(text);
}

QByteArray repeated(const QByteArray &line, int times) {
    QByteArray all;
    for (int i = 0; i < times; ++i)
        all += line;
    return all;
}

// The conversion error a command raises, or an empty text when it raises none.
template <class Command> QString conversionError(Command command) {
    try {
        command();
    } catch (const KqError &error) {
        return error.message();
    }
    return QString();
}

class ServiceCommands : public ::testing::Test {
  protected:
    void SetUp() override { setControlCharacters(); }
};

TEST_F(ServiceCommands, PrintTestRepeatsTheSelectedLine) {
    const QByteArray prefix = hex("1B401B55001B330E");
    const QByteArray trailer = hex("1B401B6406");
    struct Case {
        int repeatCount;
        int lineLength;
        qsizetype size;
    };
    const Case cases[] = {{5, 40, 218},
                          {5, 42, 228},
                          {5, 36, 198},
                          {1, 40, 54},
                          {0, 40, 13},
                          {-1, 42, 13},
                          {-2147483647 - 1, 36, 13}};
    for (const Case &c : cases) {
        const QByteArray lines = repeated(QByteArray(c.lineLength, 'H') + '\n', std::max(c.repeatCount, 0));
        const QByteArray command = printTestCommand(c.repeatCount, c.lineLength);
        EXPECT_EQ(command, prefix + lines + trailer) << c.repeatCount << " x " << c.lineLength;
        EXPECT_EQ(command.size(), c.size) << c.repeatCount << " x " << c.lineLength;
    }
}

TEST_F(ServiceCommands, CashDrawerAndCutAreFixed) {
    EXPECT_EQ(cashDrawerCommand(), hex("1B70003232 0D"));
    EXPECT_EQ(cashDrawerCommand().size(), 6); // the 00 is part of the command
    EXPECT_EQ(cutCommand(), hex("1D564218"));
}

TEST_F(ServiceCommands, PrintHIsFixed) {
    EXPECT_EQ(printHCommand(), hex("1F1B1FFB 1B6406"));
}

TEST_F(ServiceCommands, ParameterTReadsTheListTextAsAHexadecimalDigit) {
    const std::pair<const char *, const char *> cases[] = {{"5", "1F1B1FFC 05"}, {"A", "1F1B1FFC 0A"},
                                                           {"f", "1F1B1FFC 0F"}, {"0", "1F1B1FFC 00"},
                                                           {"F", "1F1B1FFC 0F"}, {"9", "1F1B1FFC 09"}};
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(parameterTCommand(QString::fromUtf8(text)), hex(expected)) << text;
}

TEST_F(ServiceCommands, ParameterTRefusesTextsThatAreNoHexadecimalDigit) {
    const std::pair<const char *, const char *> cases[] = {{"", "'$' is not a valid integer value"},
                                                           {"G", "'$G' is not a valid integer value"},
                                                           {" ", "'$ ' is not a valid integer value"},
                                                           {"-", "'$-' is not a valid integer value"}};
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(conversionError([&] { parameterTCommand(QString::fromUtf8(text)); }),
                  QString::fromUtf8(expected))
            << text;
}

TEST_F(ServiceCommands, DefaultCodePageSendsTheLowByte) {
    const std::pair<int, const char *> cases[] = {{0, "1F1B1FFF 00 0A0A"},
                                                  {3, "1F1B1FFF 03 0A0A"},
                                                  {255, "1F1B1FFF FF 0A0A"},
                                                  {300, "1F1B1FFF 2C 0A0A"},
                                                  {-1, "1F1B1FFF FF 0A0A"}};
    for (const auto &[page, expected] : cases)
        EXPECT_EQ(defaultCodePageCommand(page), hex(expected)) << page;
}

TEST_F(ServiceCommands, CodePagePrintShowsTheUpperHalfTwiceAndCuts) {
    QByteArray upperHalf;
    for (int value = 0x80; value <= 0xFF; ++value)
        upperHalf.append(char(value));
    const QByteArray expected =
        hex("1B40 1C2E 1B2100") + upperHalf + hex("0A0A 1B2130") + upperHalf + hex("0A1B40 1D564148 1C26");
    EXPECT_EQ(codePagePrintCommand(), expected);
    EXPECT_EQ(codePagePrintCommand().size(), 277);
}

TEST_F(ServiceCommands, ListCommandsMapEveryIndex) {
    using Command = QByteArray (*)(int);
    struct Case {
        const char *name;
        Command command;
        const char *prefix;
        const char *byIndex[4]; // indexes 0, 1, 2, -1
    };
    const Case cases[] = {
        {"density", densityCommand, "1F1B1F60040506", {"33", "55", "77", "77"}},
        {"line feed", autoLineFeedCommand, "1F1B1F58141516", {"22", "11", "11", "11"}},
        {"reprint", reprintCommand, "1F1B1FF4112233", {"55", "33", "33", "33"}},
        {"emulation", emulationCommand, "1F1B1FDC101112151617", {"55", "33", "33", "33"}},
        {"buzzer", buzzerCommand, "1F1B1F42656570", {"08", "06", "06", "06"}},
        {"small font", smallFontCommand, "1F1B1FE5090603", {"AA", "77", "77", "77"}},
    };
    const int indexes[] = {0, 1, 2, -1};
    for (const Case &c : cases)
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(c.command(indexes[i]), hex(c.prefix) + hex(c.byIndex[i]))
                << c.name << " " << indexes[i];
}

TEST_F(ServiceCommands, SerialRateTakesTheFirstCharacterOfTheListText) {
    const std::pair<const char *, const char *> cases[] = {{"1: 9600bps", "1F1B1FFD 01"},
                                                           {"0:4800bps", "1F1B1FFD 00"},
                                                           {"6:2400bps", "1F1B1FFD 06"},
                                                           {"12", "1F1B1FFD 01"},
                                                           {"9", "1F1B1FFD 09"}};
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(serialRateCommand(QString::fromUtf8(text)), hex(expected)) << text;
}

TEST_F(ServiceCommands, SerialRateRefusesAFirstCharacterThatIsNoDigit) {
    const std::pair<const char *, const char *> cases[] = {
        {"", "''"},    {"x9600", "'x'"}, {" 1:9600bps", "' '"},
        {"-1", "'-'"}, {"速率", "'速'"}, {"\xF0\x9F\x98\x80", "'\xF0\x9F\x98\x80'"}};
    for (const auto &[text, quoted] : cases)
        EXPECT_EQ(conversionError([&] { serialRateCommand(QString::fromUtf8(text)); }),
                  QString::fromUtf8(quoted) + QStringLiteral(" is not a valid integer value"))
            << text;
}

TEST_F(ServiceCommands, BeeperPromptSendsCountAndTime) {
    const std::tuple<int, int, const char *> cases[] = {
        {3, 2, "1015 03 02"}, {10, 10, "1015 0A 0A"}, {0, 0, "1015 00 00"}};
    for (const auto &[count, time, expected] : cases)
        EXPECT_EQ(beeperPromptCommand(count, time), hex(expected)) << count << "/" << time;
}

TEST_F(ServiceCommands, CommandsTakeTheEscapeByteFromTheControlTable) {
    ESC = 0; // as before the main window is created
    EXPECT_EQ(densityCommand(1), hex("1F001F60040506 55"));
    EXPECT_EQ(printHCommand(), hex("1F1B1FFB 006406")); // its first four bytes are one literal
    setControlCharacters();
}

} // namespace
