#include "app/mainwindow.h"
#include "app/sharedstate.h"
#include "coms/form2.h"
#include "coms/statusexchange.h"
#include "support/messagerecorder.h"
#include "support/programwindows.h"
#include "support/ptyprinter.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <optional>

namespace {

const QByteArray dleEot = QByteArray::fromHex("100401");
const QByteArray escV = QByteArray::fromHex("1b76");
const QColor green(0, 128, 0), yellow(255, 255, 0), red(255, 0, 0);

QColor circleColour() {
    return Form2->grab().toImage().pixelColor(TForm2::circleBox.center());
}

QColor labelColour() {
    return Form2->Label2->palette().color(QPalette::WindowText);
}

} // namespace

class StatusWindow : public QObject {
    Q_OBJECT

    std::optional<TestEnvironment> environment;
    std::optional<MessageRecorder> recorder;
    std::optional<ProgramWindows> windows;

    // Chooses the family and COM3 at 9600 and runs a detection against a printer giving these replies.
    QByteArray detect(int family, const QList<QByteArray> &replies) {
        PtyPrinter printer(*environment, QStringLiteral("COM3"));
        printer.answer(family == 3 ? escV : dleEot, replies);
        Form1->dk->setCurrentIndex(4);
        Form1->sd->setCurrentIndex(2);
        Form2->RadioGroup1Items->button(family)->click();
        Form2->Button2->click();
        const QByteArray request = family == 3 ? escV : dleEot;
        return printer.waitForBytes(statusRounds * request.size());
    }

  private slots:
    void init() {
        environment.emplace();
        recorder.emplace();
        windows.emplace();
    }
    void cleanup() {
        windows.reset();
        recorder.reset();
        environment.reset();
    }

    void detectionShowsTheResultOfFiveReplies_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<QList<QByteArray>>("replies");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        const auto fiveTimes = [](char byte) { return QList<QByteArray>(5, QByteArray(1, byte)); };
        const QString onLine = QStringLiteral("打印机 联机."), offLine = QStringLiteral("打印机 脱机!"),
                      noPrinter = QStringLiteral("未检测到 打印机!");
        QTest::newRow("0x12 on line") << 2 << fiveTimes('\x12') << onLine << green;
        for (const int family : {0, 1, 2})
            QTest::addRow("0x1A off line, family %d", family)
                << family << fiveTimes('\x1A') << offLine << yellow;
        QTest::newRow("0x0C off line, family 3") << 3 << fiveTimes('\x0C') << offLine << yellow;
        QTest::newRow("0x1A is on line for family 3") << 3 << fiveTimes('\x1A') << onLine << green;
        QTest::newRow("0xF7 on line") << 0 << fiveTimes('\xF7') << onLine << green;
        QTest::newRow("four replies only") << 2 << fiveTimes('\x12').mid(0, 4) << noPrinter << red;
        QTest::newRow("no reply") << 2 << QList<QByteArray>() << noPrinter << red;
        QTest::newRow("mixed status bits")
            << 1 << QList<QByteArray>{"\x12", "\x1A", "\x12", "\x12", "\x12"} << noPrinter << red;
    }

    void detectionShowsTheResultOfFiveReplies() {
        QFETCH(int, family);
        QFETCH(QList<QByteArray>, replies);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        const QByteArray request = family == 3 ? escV : dleEot;

        const QByteArray received = detect(family, replies);

        QCOMPARE(received, request.repeated(5));
        QCOMPARE(CmdStr, request);
        QCOMPARE(Form2->Label2->text(), text);
        QCOMPARE(labelColour(), colour);
        QCOMPARE(circleColour(), colour);
        QVERIFY(!Form1->cp.Connected());
        QVERIFY(recorder->entries.isEmpty());
    }

    void circleSurvivesRepaintsAndFollowsTheLastResult() {
        // Every grab paints the window afresh.
        const QColor background = circleColour();
        QVERIFY(background != green && background != red);
        detect(2, QList<QByteArray>(5, "\x12"));
        QCOMPARE(circleColour(), green);
        QCOMPARE(circleColour(), green);
        detect(2, {});
        QCOMPARE(circleColour(), red);
    }

    void exchangeRunsAtTheRateShownAndThePortItem() {
        PtyPrinter printer(*environment, QStringLiteral("COM2"));
        printer.answer(dleEot, QList<QByteArray>(5, "\x12"));
        Form1->dk->setCurrentIndex(3);
        Form1->sd->setCurrentIndex(2);
        Form1->sd->setEditText(QStringLiteral("12345")); // unknown to the rate lookup: 9600
        Form1->cp.setBaudRate(115200);
        Form2->Button2->click();
        QCOMPARE(Form1->cp.BaudRate(), 9600);
        QCOMPARE(Form2->Label2->text(), QStringLiteral("打印机 联机."));
    }

    void portsOtherThanSerialAreRefused_data() {
        QTest::addColumn<int>("portIndex");
        QTest::newRow("LPT1") << 0;
        QTest::newRow("LPT2") << 1;
        QTest::newRow("Ethernet") << 10;
        QTest::newRow("no port") << -1;
    }

    void portsOtherThanSerialAreRefused() {
        QFETCH(int, portIndex);
        Form2->Label2->setText(QStringLiteral("before"));
        Form1->dk->setCurrentIndex(portIndex);
        Form2->RadioGroup1Items->button(3)->click();
        Form2->Button2->click();
        QCOMPARE(recorder->texts(), QStringList{"You must select Serial Port!!"});
        QCOMPARE(Form2->Label2->text(), QStringLiteral("before"));
        QCOMPARE(CmdStr, escV);
    }

    void missingPortShowsTheOpenErrorAndKeepsTheLastResult() {
        detect(2, QList<QByteArray>(5, "\x1A"));
        environment->linkPort(QStringLiteral("COM5"), environment->path(QStringLiteral("gone")));
        Form1->dk->setCurrentIndex(6);
        Form2->Button2->click();
        QCOMPARE(recorder->texts(), QStringList{"Unable to open com port (win error code: 2)"});
        QCOMPARE(Form2->Label2->text(), QStringLiteral("打印机 脱机!"));
        QCOMPARE(labelColour(), yellow);
        QVERIFY(!Form1->cp.Connected());
    }

    void failureDuringTheExchangeEndsItWithThePortClosed() {
        detect(2, QList<QByteArray>(5, "\x12"));
        PtyPrinter printer(*environment, QStringLiteral("COM3"));
        printer.holdOutput(); // as the printer's XOFF would: the first request cannot go out
        Form2->Button2->click();
        QCOMPARE(recorder->texts(), QStringList{"WriteFile function failed (win error code: 1460)"});
        QVERIFY(!Form1->cp.Connected());
        QCOMPARE(Form2->Label2->text(), QStringLiteral("打印机 联机."));
        printer.releaseOutput();
    }

    void anExistingScratchFileIsLeftAlone() {
        QTemporaryDir workingFolder;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workingFolder.path()));
        QFile scratch(QStringLiteral("aa.bin"));
        QVERIFY(scratch.open(QIODevice::WriteOnly));
        scratch.write("user data");
        scratch.close();

        detect(2, QList<QByteArray>(5, "\x12"));

        QVERIFY(scratch.open(QIODevice::ReadOnly));
        QCOMPARE(scratch.readAll(), QByteArray("user data"));
        QCOMPARE(QDir().entryList(QDir::Files), QStringList{"aa.bin"});
        QDir::setCurrent(previous);
        QCOMPARE(Form2->Label2->text(), QStringLiteral("打印机 联机."));
    }

    void entryControlsOpenAndCloseTheWindow() {
        QVERIFY(!Form1->Button3->isEnabled());
        Form1->CheckBox7->click();
        QVERIFY(Form1->Button3->isEnabled());
        Form1->Button3->click();
        QVERIFY(Form2->isVisible());
        Form2->Button1->click();
        QVERIFY(Form2->isHidden());
        Form1->CheckBox7->click();
        QVERIFY(!Form1->Button3->isEnabled());
    }

    void layout() {
        QCOMPARE(Form2->windowTitle(), QStringLiteral("KQ 串口型号打印机状态检测"));
        QCOMPARE(Form2->geometry(), QRect(265, 173, 476, 337));
        QCOMPARE(Form2->RadioGroup1->title(), QStringLiteral("打印机型号"));
        QCOMPARE(Form2->RadioGroup1->geometry(), QRect(8, 8, 449, 73));
        QCOMPARE(Form2->RadioGroup1Items->checkedId(), 2);
        const QStringList families{"KQ-B4XX系列", "KQ-A300系列", "KQ-C6XXX系列", "KQ-A360/KQ-A370系列"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(Form2->RadioGroup1Items->button(i)->text(), families[i]);
        QCOMPARE(Form2->Label1->text(), QStringLiteral("打印机状态:"));
        QCOMPARE(Form2->Label2->text(), QString());
        QCOMPARE(Form2->Label2->geometry(), QRect(136, 120, 201, 13));
        QCOMPARE(Form2->Button2->text(), QStringLiteral("打印机状态检测"));
        QCOMPARE(Form2->Button2->geometry(), QRect(168, 168, 113, 34));
        QCOMPARE(Form2->Button1->text(), QStringLiteral("关闭"));
        QCOMPARE(Form2->Button1->geometry(), QRect(168, 240, 113, 34));
        QCOMPARE(Form2->Edit1->geometry(), QRect(8, 88, 449, 21));
        QCOMPARE(Form2->Edit2->text(), QStringLiteral("Edit2"));
        QVERIFY(Form2->Edit2->isHidden());
    }
};

QTEST_MAIN(StatusWindow)
#include "form2window_test.moc"
