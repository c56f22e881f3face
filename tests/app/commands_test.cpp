#include "app/autodisconnect.h"
#include "app/errors.h"
#include "app/messages.h"
#include "app/sharedstate.h"
#include "support/gtestqt.h"
#include "support/messagerecorder.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(const char *hex) {
    return QByteArray::fromHex(hex);
}

TEST(AutoDisconnect, ControlCharactersAreZeroUntilTheMainWindowSetsThem) {
    EXPECT_EQ(ESC, 0); // this suite never creates the main window before this test
    setControlCharacters();
    const char expected[] = {0x00, 0x1B, 0x1C, 0x1D, 0x0A, 0x0C, 0x0D, 0x20, 0x18};
    const char actual[] = {NUL, ESC, FS, GS, LF, FF, CR, SP, CAN};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), std::begin(actual)));
}

TEST(AutoDisconnect, SetSendsTheModeAndTheItemIndex) {
    setControlCharacters();
    const std::pair<int, const char *> cases[] = {
        {0, "1F1B1F95010203111213 55 00"}, {1, "1F1B1F95010203111213 33 01"},
        {2, "1F1B1F95010203111213 33 02"}, {3, "1F1B1F95010203111213 33 03"},
        {4, "1F1B1F95010203111213 33 04"}, {5, "1F1B1F95010203111213 33 05"},
        {6, "1F1B1F95010203111213 33 06"}, {7, "1F1B1F95010203111213 33 07"},
        {8, "1F1B1F95010203111213 33 08"}, {9, "1F1B1F95010203111213 33 09"},
        {-1, "1F1B1F95010203111213 33 FF"}};
    for (const auto &[index, expected] : cases)
        EXPECT_EQ(autoDisconnectCommand(index), bytes(expected)) << index;
}

TEST(AutoDisconnect, OffButtonWritesTheOffModeTwice) {
    setControlCharacters();
    EXPECT_EQ(autoDisconnectOffCommand(), bytes("1F1B1F95010203111213 55 55"));
}

TEST(DefaultErrorHandler, AppendsAFullStopAfterCharactersSortingAfterIt) {
    const std::pair<const char *, const char *> cases[] = {
        {"File not found", "File not found."},
        {"Unable to open com port (win error code: 2)", "Unable to open com port (win error code: 2)"},
        {"Done!", "Done!"},
        {"Ends with a stop.", "Ends with a stop."},
        {"'x' is not a valid integer value", "'x' is not a valid integer value."},
        {"I/O error 32", "I/O error 32."},
        {"", ""},
        {"-", "-"},
        {"/", "/."}};
    for (const auto &[message, shown] : cases)
        EXPECT_EQ(errorBoxText(QString::fromUtf8(message)), QString::fromUtf8(shown)) << message;
}

TEST(DefaultErrorHandler, ShowsEveryErrorOfAHandlerInAnErrorBox) {
    MessageRecorder recorder;
    guarded([] { throw KqError(QStringLiteral("Disk full")); });
    guarded([] { throw std::bad_alloc(); });
    guarded([] { throw 42; });
    bool ranToTheEnd = false;
    guarded([&] { ranToTheEnd = true; });
    ASSERT_EQ(recorder.entries.size(), 3);
    EXPECT_EQ(recorder.entries[0], MessageRecorder::err(QStringLiteral("Disk full.")));
    EXPECT_EQ(recorder.entries[1].kind, MessageRecorder::Kind::Error);
    EXPECT_EQ(recorder.entries[2].kind, MessageRecorder::Kind::Error);
    EXPECT_TRUE(ranToTheEnd);
}

} // namespace
