#pragma once

#include "app/mainwindow.h"
#include "app/sharedstate.h"
#include "app/startup.h"
#include "fixturepictures.h"
#include "nvl/nvf.h"
#include "scriptedchooser.h"
#include "support/messagerecorder.h"
#include "support/programwindows.h"
#include "support/testenvironment.h"

#include <QTemporaryDir>
#include <ostream>

#include <gtest/gtest.h>

// Readable failure output for recorded messages.
inline void PrintTo(const MessageRecorder::Entry &entry, std::ostream *out) {
    *out << (entry.kind == MessageRecorder::Kind::Error ? "error " : "info ") << '"'
         << entry.text.toStdString() << '"';
}

// The program's windows with a private device map, recorded messages and a scripted open dialog.
class NvWindowTest : public testing::Test {
  protected:
    TestEnvironment environment;
    MessageRecorder recorder;
    ScriptedChooser chooser;
    ProgramWindows windows;
    QTemporaryDir dir;

    static void choosePort(const QString &text) { Form1->dk->setCurrentIndex(Form1->dk->findText(text)); }

    // Writes the picture as a bitmap file and opens it with BitBtn1.
    void openPicture(const QImage &picture, int bits = 24) {
        chooser.answers << writeFile(dir.filePath(QStringLiteral("picture%1.bmp").arg(++files)),
                                     bitmapFile(picture, bits));
        nvf->BitBtn1->click();
    }

  private:
    int files = 0;
};
