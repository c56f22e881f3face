#include "app/mainwindow.h"
#include "app/sharedstate.h"
#include "df/blackmarkcommands.h"
#include "df/bmf.h"
#include "fifoprinter.h"
#include "support/messagerecorder.h"
#include "support/netprinter.h"
#include "support/programwindows.h"
#include "support/ptyprinter.h"
#include "support/testenvironment.h"

#include <QtTest>
#include <optional>

namespace {

QByteArray offsetCommand(const char *tail) {
    return QByteArray::fromHex("1d541d28460400") + QByteArray::fromHex(tail);
}

const QString backFeedLimit = QStringLiteral("最大退纸长度不能 超过 100 毫米！！");

} // namespace

class BlackMarkWindow : public QObject {
    Q_OBJECT

    std::optional<TestEnvironment> environment;
    std::optional<MessageRecorder> recorder;
    std::optional<ProgramWindows> windows;

    QPushButton *button(const QString &name) { return bmf->findChild<QPushButton *>(name); }
    QLineEdit *edit(const QString &name) { return bmf->findChild<QLineEdit *>(name); }

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

    void offsetButtonConvertsShowsAndSends_data() {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QString>("millimetres");
        QTest::addColumn<QString>("nL"); // empty: Edit5, Edit6 and CmdStr keep their contents
        QTest::addColumn<QString>("nH");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QStringList>("messages");

        const QString start = QStringLiteral("Button2"), startBack = QStringLiteral("Button3"),
                      cut = QStringLiteral("Button4"), cutBack = QStringLiteral("Button5");
        const auto sentTwice = [](const QByteArray &command) { return command + command; };
        QTest::newRow("zero") << start << "0"
                              << "0"
                              << "0" << offsetCommand("01000000") << QStringList();
        QTest::newRow("10 mm is 57 units") << start << "10"
                                           << "57"
                                           << "0" << offsetCommand("01003900") << QStringList();
        QTest::newRow("100 mm backward passes") << startBack << "100"
                                                << "55"
                                                << "2" << offsetCommand("01013702") << QStringList();
        QTest::newRow("100 mm cut/tear backward passes") << cutBack << "100"
                                                         << "55"
                                                         << "2" << offsetCommand("02013702") << QStringList();
        QTest::newRow("100.01 mm backward refused") << startBack << "100.01"
                                                    << ""
                                                    << "" << QByteArray() << QStringList{backFeedLimit};
        QTest::newRow("100.01 mm cut/tear backward refused")
            << cutBack << "100.01"
            << ""
            << "" << QByteArray() << QStringList{backFeedLimit};
        QTest::newRow("100.01 mm forward sent") << start << "100.01"
                                                << "55"
                                                << "2" << offsetCommand("01003702") << QStringList();
        QTest::newRow("100.01 mm cut/tear forward sent twice")
            << cut << "100.01"
            << "55"
            << "2" << sentTwice(offsetCommand("02003702")) << QStringList();
        QTest::newRow("256 units") << start << "45.1584"
                                   << "0"
                                   << "1" << offsetCommand("01000001") << QStringList();
        QTest::newRow("half a unit rounds to even 0") << start << "0.0882"
                                                      << "0"
                                                      << "0" << offsetCommand("01000000") << QStringList();
        QTest::newRow("negative forward") << start << "-5"
                                          << "-28"
                                          << "0" << offsetCommand("0100e400") << QStringList();
        QTest::newRow("negative backward has no limit") << startBack << "-5"
                                                        << "-28"
                                                        << "0" << offsetCommand("0101e400") << QStringList();
        QTest::newRow("nH beyond a byte") << start << "11561"
                                          << "3"
                                          << "256" << offsetCommand("01000300") << QStringList();
        QTest::newRow("blanks around") << start << "  10  "
                                       << "57"
                                       << "0" << offsetCommand("01003900") << QStringList();
        QTest::newRow("exponent") << start << "4.51584E1"
                                  << "0"
                                  << "1" << offsetCommand("01000001") << QStringList();
        QTest::newRow("lone separator") << start << "."
                                        << "0"
                                        << "0" << offsetCommand("01000000") << QStringList();
        QTest::newRow("letters") << start << "abc"
                                 << ""
                                 << "" << QByteArray()
                                 << QStringList{"'abc' is not a valid floating point value."};
        QTest::newRow("letters on the cut/tear button")
            << cut << "1x"
            << ""
            << "" << QByteArray() << QStringList{"'1x' is not a valid floating point value."};
        QTest::newRow("empty") << startBack << ""
                               << ""
                               << "" << QByteArray()
                               << QStringList{"'' is not a valid floating point value."};
        QTest::newRow("blank inside")
            << start << "1 0"
            << ""
            << "" << QByteArray() << QStringList{"'1 0' is not a valid floating point value."};
        QTest::newRow("beyond 32-bit units")
            << cut << "1e12"
            << ""
            << "" << QByteArray() << QStringList{"Invalid floating point operation."};
    }

    void offsetButtonConvertsShowsAndSends() {
        QFETCH(QString, buttonName);
        QFETCH(QString, millimetres);
        QFETCH(QString, nL);
        QFETCH(QString, nH);
        QFETCH(QByteArray, sent);
        QFETCH(QStringList, messages);

        FifoPrinter printer(*environment, QStringLiteral("LPT1"));
        Form1->dk->setCurrentIndex(0);
        const QString editName = QStringLiteral("Edit%1").arg(buttonName.mid(6).toInt() - 1);
        edit(editName)->setText(millimetres);
        bmf->Edit5->setText(QStringLiteral("before"));
        bmf->Edit6->setText(QStringLiteral("before"));
        CmdStr = "before";

        button(buttonName)->click();

        QCOMPARE(recorder->texts(), messages);
        QCOMPARE(bmf->Edit5->text(), nL.isEmpty() ? QStringLiteral("before") : nL);
        QCOMPARE(bmf->Edit6->text(), nH.isEmpty() ? QStringLiteral("before") : nH);
        QCOMPARE(CmdStr, sent.isEmpty() ? QByteArray("before") : sent.left(11));
        // A demonstration print behind it marks the end of what the offset button wrote.
        bmf->Button6->click();
        const QByteArray marker = printStartDemoCommand();
        QCOMPARE(printer.waitForBytes(sent.size() + marker.size()), sent + marker);
    }

    void cutTearForwardSendsTwiceOverTheSerialPort() {
        PtyPrinter printer(*environment, QStringLiteral("COM3"));
        Form1->dk->setCurrentIndex(4);
        Form1->sd->setCurrentIndex(4); // 38400
        bmf->Edit3->setText(QStringLiteral("10"));
        bmf->Button4->click();
        const QByteArray command = offsetCommand("02003900");
        QCOMPARE(printer.waitForBytes(22), command + command);
        QCOMPARE(Form1->cp.BaudRate(), 38400);
        QVERIFY(recorder->entries.isEmpty());
        QVERIFY(!Form1->cp.Connected());
    }

    void cutTearForwardOpensTwoNetworkConnections() {
        NetPrinter printer;
        Form1->dk->setCurrentIndex(10);
        Form1->IPE->setIPString(QStringLiteral("127.0.0.1"));
        bmf->Edit3->setText(QStringLiteral("100"));
        bmf->Button4->click();
        const QByteArray command = offsetCommand("02003702");
        QCOMPARE(printer.waitForConnections(2), (QList<QByteArray>{command, command}));
        QVERIFY(recorder->entries.isEmpty());
    }

    void unreachableNetworkPrinterGivesConnectErrorTwice() {
        NetPrinter printer(NetPrinter::Mode::Refuse);
        Form1->dk->setCurrentIndex(10);
        Form1->IPE->setIPString(QStringLiteral("127.0.0.1"));
        bmf->Button4->click();
        QCOMPARE(recorder->texts(), (QStringList{"Connect error", "Connect error"}));
    }

    void namesComeFromTheTextsShown() {
        PtyPrinter printer(*environment, QStringLiteral("COM2"));
        Form1->dk->setCurrentIndex(2);
        Form1->dk->setEditText(QStringLiteral("COM2")); // shown text differs from the item "COM1"
        Form1->sd->setCurrentIndex(2);
        Form1->sd->setEditText(QStringLiteral("57600"));
        bmf->Button2->click();
        QCOMPARE(printer.waitForBytes(11), offsetCommand("01000000"));
        QCOMPARE(Form1->cp.BaudRate(), 57600);
    }

    void firstFailingParallelSendEndsTheHandler() {
        environment->linkPort(QStringLiteral("LPT2"), QStringLiteral("/dev/kqsetup-test-no-such-device"));
        Form1->dk->setCurrentIndex(1);
        bmf->Button4->click();
        QCOMPARE(recorder->texts(), QStringList{"File not found."});
    }

    void demonstrationPrintsIgnoreTheEdits() {
        FifoPrinter printer(*environment, QStringLiteral("LPT1"));
        Form1->dk->setCurrentIndex(0);
        for (QLineEdit *millimetres : {bmf->Edit1, bmf->Edit2, bmf->Edit3, bmf->Edit4})
            millimetres->setText(QStringLiteral("not a number"));
        bmf->Button6->click();
        bmf->Button7->click();
        const QByteArray expected = printStartDemoCommand() + cutTearDemoCommand();
        QCOMPARE(printer.waitForBytes(92), expected);
        QCOMPARE(CmdStr, cutTearDemoCommand());
        QVERIFY(recorder->entries.isEmpty());
    }

    void noPortChosenSendsNothingAndShowsNothing() {
        Form1->dk->setCurrentIndex(-1);
        bmf->Button2->click();
        bmf->Button4->click();
        bmf->Button6->click();
        QVERIFY(recorder->entries.isEmpty());
        QCOMPARE(bmf->Edit5->text(), QStringLiteral("0"));
    }

    void closeHidesAndKeepsTheEdits() {
        bmf->show();
        bmf->Edit1->setText(QStringLiteral("12.5"));
        bmf->Button1->click();
        QVERIFY(bmf->isHidden());
        QCOMPARE(bmf->Edit1->text(), QStringLiteral("12.5"));
    }

    void entryControlsEnableAndShowTheWindow() {
        QVERIFY(!Form1->db->isEnabled());
        Form1->dcb->click();
        QVERIFY(Form1->db->isEnabled());
        Form1->db->click();
        QVERIFY(bmf->isVisible());
        Form1->dcb->click();
        QVERIFY(!Form1->db->isEnabled());
        QVERIFY(recorder->entries.isEmpty());
    }

    void layout() {
        QCOMPARE(bmf->windowTitle(), QStringLiteral("KQ B4针打黑标定位偏移量设置/演示"));
        QCOMPARE(bmf->geometry(), QRect(352, 180, 476, 337));
        const struct {
            const char *name;
            QString caption;
            QRect geometry;
        } buttons[] = {
            {"Button2", QStringLiteral("起始打印位置在检测到黑标位置后前进"), {16, 16, 257, 33}},
            {"Button3", QStringLiteral("起始打印位置在检测到黑标位置后后退"), {16, 56, 257, 33}},
            {"Button4", QStringLiteral("切/撕纸位置在检测到黑标位置后前进"), {16, 96, 257, 33}},
            {"Button5", QStringLiteral("切/撕纸位置在检测到黑标位置后后退"), {16, 136, 257, 33}},
            {"Button6", QStringLiteral("打印并走纸到下一个起始打印位置"), {16, 176, 257, 33}},
            {"Button7", QStringLiteral("打印并走纸到下一个切撕纸位置"), {16, 216, 257, 33}},
            {"Button1", QStringLiteral("关闭"), {136, 256, 177, 41}},
        };
        for (const auto &b : buttons) {
            QCOMPARE(button(QLatin1String(b.name))->text(), b.caption);
            QCOMPARE(button(QLatin1String(b.name))->geometry(), b.geometry);
            QCOMPARE(button(QLatin1String(b.name))->font().pixelSize(), b.caption == "关闭" ? 16 : 14);
        }
        const struct {
            const char *name;
            QRect geometry;
            int pixels;
        } edits[] = {{"Edit1", {280, 20, 65, 24}, 14},   {"Edit2", {280, 60, 65, 24}, 14},
                     {"Edit3", {280, 100, 65, 24}, 14},  {"Edit4", {280, 140, 65, 24}, 14},
                     {"Edit5", {344, 184, 113, 26}, 16}, {"Edit6", {344, 216, 113, 26}, 16}};
        for (const auto &e : edits) {
            QLineEdit *control = edit(QLatin1String(e.name));
            QCOMPARE(control->text(), QStringLiteral("0"));
            QCOMPARE(control->geometry(), e.geometry);
            QCOMPARE(control->font().pixelSize(), e.pixels);
            QCOMPARE(control->palette().color(QPalette::Text), QColor(Qt::blue));
        }
        const struct {
            const char *name;
            QString caption;
            QPoint position;
        } labels[] = {{"Label1", QStringLiteral("毫米处"), {352, 32}},
                      {"Label4", QStringLiteral("毫米处"), {352, 144}},
                      {"Label5", QStringLiteral("nL="), {304, 192}},
                      {"Label6", QStringLiteral("nH="), {304, 224}}};
        for (const auto &l : labels) {
            const QLabel *label = bmf->findChild<QLabel *>(QLatin1String(l.name));
            QCOMPARE(label->text(), l.caption);
            QCOMPARE(label->pos(), l.position);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
        }
    }
};

QTEST_MAIN(BlackMarkWindow)
#include "bmfwindow_test.moc"
