#include "support/gtestqt.h"
#include "support/ptyprinter.h"
#include "support/testenvironment.h"
#include "xsession.h"

#include <gtest/gtest.h>

namespace {

// Window-relative centres of the controls, from the main window's layout.
constexpr int dkArrowX = 18 + 159 - 10, dkY = 32 + 15;
constexpr int autocbArrowX = 32 + 249 - 10, autocbY = 111 + 12;
constexpr int button6X = 288 + 120, button6Y = 92 + 32;
constexpr int button7X = 32 + 248, button7Y = 204 + 36;

TEST(Program, TechnicianSetsAutoDisconnectOverCom3) {
    TestEnvironment environment;
    PtyPrinter printer(environment, QStringLiteral("COM3"));
    XSession session;
    ASSERT_TRUE(session.ready()) << "Xvfb did not start";
    ASSERT_TRUE(session.start(QStringLiteral(KQSETUP_BINARY),
                              QStringLiteral("Auto disconnect mode set program V1.2")));

    // "LPT1" is chosen at start: four steps down is "COM3".
    ASSERT_TRUE(session.click(dkArrowX, dkY));
    ASSERT_TRUE(session.keys({QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"),
                              QStringLiteral("Down"), QStringLiteral("Return")}));
    // "Auto Disconnect False" is chosen at start: five steps down is "Enable:5 minutes".
    ASSERT_TRUE(session.click(autocbArrowX, autocbY));
    ASSERT_TRUE(session.keys({QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"),
                              QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Return")}));
    ASSERT_TRUE(session.click(button6X, button6Y));

    EXPECT_EQ(printer.waitForBytes(12, 10000), QByteArray::fromHex("1F1B1F95010203111213 33 05"));

    ASSERT_TRUE(session.click(button7X, button7Y));
    EXPECT_EQ(session.waitForExit(10000), 0);
}

} // namespace
