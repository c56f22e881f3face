#pragma once

#include "app/mainwindow.h"
#include "app/messages.h"
#include "ipedit/ipedit.h"
#include "nvl/nvf.h"
#include "support/messagerecorder.h"
#include "support/programwindows.h"
#include "support/testenvironment.h"

#include <QPushButton>
#include <gtest/gtest.h>

// The program's windows as at start-up, with a private device map and recorded message boxes, for the
// tests of the NV logo window's bit image, export and cutter test commands.
class NvWindowTest : public ::testing::Test {
  protected:
    TestEnvironment environment;
    MessageRecorder recorder;
    ProgramWindows windows;

    // Chooses a port of the main window's list as the user would ("LPT1", "COM5", "Ethernet").
    static void choosePort(const QString &name) {
        const int index = Form1->dk->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        Form1->dk->setCurrentIndex(index);
    }
    static void noPort() { Form1->dk->setCurrentIndex(-1); }
    // Chooses "Ethernet" with the loopback address, so no send leaves this machine.
    static void chooseLoopbackNetwork() {
        Form1->IPE->setIPString(QStringLiteral("127.0.0.1"));
        ASSERT_EQ(Form1->IPE->IPString(), QStringLiteral("127.0.0.1"));
        choosePort(QStringLiteral("Ethernet"));
    }
    static void click(const char *button) {
        QPushButton *control = nvf->findChild<QPushButton *>(QLatin1String(button));
        ASSERT_NE(control, nullptr) << button;
        control->click();
    }
    QString file(const char *name) const { return environment.path(QLatin1String(name)); }
};
