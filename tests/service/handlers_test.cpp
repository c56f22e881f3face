#include "app/mainwindow.h"
#include "app/sharedstate.h"
#include "service/basiccommands.h"
#include "service/codepagecommands.h"
#include "service/impacttest.h"
#include "servicetesting.h"
#include "support/deviceprinter.h"
#include "support/messagerecorder.h"
#include "support/netprinter.h"
#include "support/programwindows.h"
#include "support/ptyprinter.h"
#include "support/testenvironment.h"

using Entry = MessageRecorder::Entry;
using Entries = QList<MessageRecorder::Entry>;

// The service panel's command handlers: what each click sends over which route, and which message
// stops it in which order.
class ServiceHandlersTest : public QObject {
    Q_OBJECT

  private:
    static QByteArray hex(const char *text) { return QByteArray::fromHex(text); }

    static void chooseSerial() {
        choose(Form1->dk, QStringLiteral("COM3"));
        choose(Form1->sd, QStringLiteral("9600"));
    }

    static void ownRange(const QString &first, const QString &last) {
        if (!Form1->zxck->isChecked())
            click(Form1->zxck);
        Form1->Edit2->setText(first);
        Form1->Edit3->setText(last);
    }

  private slots:
    void basicCommandsReachTheSerialPrinter() {
        TestEnvironment environment;
        MessageRecorder recorder;
        PtyPrinter printer(environment, QStringLiteral("COM3"));
        ProgramWindows windows;
        chooseSerial();
        click(Form1->Button1);
        QCOMPARE(printer.waitForBytes(218), printTestCommand(5, 40));
        click(Form1->RadioButton2);
        Form1->Edit1->setText(QStringLiteral(" +2"));
        click(Form1->Button1);
        click(Form1->Open);
        click(Form1->cut);
        QCOMPARE(printer.waitForBytes(218 + 99 + 6 + 4).mid(218),
                 printTestCommand(2, 42) + hex("1B70003232 0D") + hex("1D564218"));
        QVERIFY(recorder.entries.isEmpty());
    }

    void codePageCommandsKeepTheirZeroBytesOnTheParallelRoute() {
        TestEnvironment environment;
        DevicePrinter printer(environment, QStringLiteral("LPT1"));
        ProgramWindows windows;
        click(Form1->szt0);
        click(Form1->pt);
        QCOMPARE(printer.contents(), codePagePrintCommand());
        Form1->cst->setText(QStringLiteral("300"));
        click(Form1->st0);
        QCOMPARE(printer.contents(), hex("1F1B1FFF 2C 0A0A"));
        click(Form1->szt);
        type(Form1->cbs, QStringLiteral("f"));
        click(Form1->st);
        QCOMPARE(printer.contents(), hex("1F1B1FFC 0F"));
        click(Form1->ph);
        QCOMPARE(printer.contents(), hex("1F1B1FFB 1B6406"));
    }

    void impactTestAtStartValuesReachesTheParallelPrinter() {
        TestEnvironment environment;
        MessageRecorder recorder;
        DevicePrinter printer(environment, QStringLiteral("LPT1"));
        ProgramWindows windows;
        click(Form1->Button2);
        const QByteArray stream = printer.contents();
        QCOMPARE(stream.size(), 23463);
        QCOMPARE(stream, impactTestCommand(ImpactTestSettings{}));
        QVERIFY(recorder.entries.isEmpty());
    }

    void impactTestReadsItsControlsAndReachesTheSerialPrinter() {
        TestEnvironment environment;
        PtyPrinter printer(environment, QStringLiteral("COM3"));
        ProgramWindows windows;
        chooseSerial();
        ownRange(QStringLiteral("0"), QStringLiteral("400"));
        click(Form1->dck);
        click(Form1->bick);
        click(Form1->dqck);
        Form1->cst->setText(QStringLiteral("1")); // szt0 unticked: disabled, and still read
        click(Form1->Button2);
        const QByteArray stream = printer.waitForBytes(86983, 20000);
        QCOMPARE(stream.size(), 86983);
        QCOMPARE(stream.left(22), hex("1B401B7B01 1B5501 1B6101 300A 1C530000 1B2A010000"));
        click(Form1->Lfck);
        ownRange(QStringLiteral("-1"), QStringLiteral("0"));
        click(Form1->Button2);
        const QByteArray second = printer.waitForBytes(86983 + 68).mid(86983);
        QCOMPARE(second.size(), 68);
        QCOMPARE(second.mid(11, 18), hex("2D310A 1C530000 1B2A01FF00 D0BB46 0D0A 30"));
    }

    void impactTestConvertsItsInputsBeforeThePortCheck() {
        struct Case {
            bool own;
            const char *first;
            const char *last;
            const char *mode;
            const char *error; // nullptr: the notice
            qsizetype built;   // length of CmdStr afterwards; -1: unchanged
        };
        const Case cases[] = {{true, "a", "b", "0", "'a' is not a valid integer value.", -1},
                              {true, "0", "1 ", "0", "'1 ' is not a valid integer value.", -1},
                              {false, "a", "b", "x", "'x' is not a valid integer value.", -1},
                              {true, "3", "3", "", "'' is not a valid integer value.", -1},
                              {true, "5", "4", "x", nullptr, 35},
                              {false, "a", "b", "0", nullptr, 23463}};
        for (const Case &c : cases) {
            MessageRecorder recorder;
            ProgramWindows windows;
            type(Form1->dk, QString());
            if (c.own)
                ownRange(QString::fromUtf8(c.first), QString::fromUtf8(c.last));
            else {
                Form1->Edit2->setText(QString::fromUtf8(c.first));
                Form1->Edit3->setText(QString::fromUtf8(c.last));
            }
            Form1->cst->setText(QString::fromUtf8(c.mode));
            CmdStr = QByteArrayLiteral("earlier");
            click(Form1->Button2);
            const Entry expected =
                c.error ? MessageRecorder::err(QString::fromUtf8(c.error)) : MessageRecorder::info(NoticeStr);
            QCOMPARE(recorder.entries, Entries{expected});
            QCOMPARE(CmdStr.size(), c.built < 0 ? qsizetype(7) : c.built);
        }
    }

    void impactTestRefusesAStreamBeyond16MiBBeforeBuildingIt() {
        struct Case {
            const char *first;
            const char *last;
            bool lineFeed;
            QString tail;
        };
        const int largest = *largestImpactTestLastLine(0, false);
        const int largestWithLineFeed = *largestImpactTestLastLine(0, true);
        QVERIFY(largest > 5000 && largest < 6000 && largestWithLineFeed < largest);
        const Case cases[] = {
            {"0", "100000", false, QStringLiteral(" The largest accepted last line is %1.").arg(largest)},
            {"0", "100000", true,
             QStringLiteral(" The largest accepted last line is %1.").arg(largestWithLineFeed)},
            {"-2147483648", "2147483647", false,
             QStringLiteral(" The largest accepted last line is %1.")
                 .arg(*largestImpactTestLastLine(-2147483647 - 1, false))},
            {"20000000", "20000000", false,
             QStringLiteral(" Line 20000000 alone is too long; choose a smaller first line.")},
        };
        for (const Case &c : cases) {
            TestEnvironment environment;
            MessageRecorder recorder;
            DevicePrinter printer(environment, QStringLiteral("LPT1"));
            ProgramWindows windows;
            ownRange(QString::fromUtf8(c.first), QString::fromUtf8(c.last));
            if (c.lineFeed)
                click(Form1->Lfck);
            Form1->cst->setText(QStringLiteral("x")); // a refused range reads no mode
            CmdStr = QByteArrayLiteral("earlier");
            click(Form1->Button2);
            const QString expected =
                QStringLiteral("The line range %1 to %2 would make a test stream of more than 16 MiB.")
                    .arg(QString::fromUtf8(c.first), QString::fromUtf8(c.last)) +
                c.tail;
            QCOMPARE(recorder.entries, Entries{MessageRecorder::info(expected)});
            QCOMPARE(CmdStr, QByteArrayLiteral("earlier"));
            QVERIFY(printer.contents().isEmpty());
        }
    }

    void impactTestAtTheLargestAcceptedRangeIsSent() {
        TestEnvironment environment;
        MessageRecorder recorder;
        DevicePrinter printer(environment, QStringLiteral("LPT1"));
        ProgramWindows windows;
        const int largest = *largestImpactTestLastLine(0, false);
        ownRange(QStringLiteral("0"), QString::number(largest));
        click(Form1->Button2);
        QVERIFY(recorder.entries.isEmpty());
        QCOMPARE(printer.contents().size(), impactTestLength(0, largest, false));
        QVERIFY(printer.contents().size() <= 16 * 1024 * 1024);
    }

    void parameterTReportsABadListTextEvenWithoutAPort() {
        MessageRecorder recorder;
        ProgramWindows windows;
        type(Form1->dk, QString());
        click(Form1->szt);
        type(Form1->cbs, QStringLiteral("G"));
        click(Form1->st);
        type(Form1->cbs, QStringLiteral("A"));
        click(Form1->st);
        QCOMPARE(recorder.entries,
                 (Entries{MessageRecorder::err(QStringLiteral("'$G' is not a valid integer value.")),
                          MessageRecorder::info(NoticeStr)}));
        QCOMPARE(CmdStr, hex("1F1B1FFC 0A")); // built before the port check
    }

    void withoutAPortTheNoticeComesFirst() {
        MessageRecorder recorder;
        ProgramWindows windows;
        type(Form1->dk, QString());
        click(Form1->szt);
        click(Form1->szt0);
        Form1->Edit1->setText(QStringLiteral("five"));
        Form1->cst->setText(QStringLiteral("abc"));
        const QList<QAbstractButton *> buttons{Form1->Button1, Form1->Open, Form1->cut,
                                               Form1->ph,      Form1->st0,  Form1->pt};
        for (QAbstractButton *button : buttons) {
            CmdStr = QByteArrayLiteral("earlier");
            click(button);
            QCOMPARE(recorder.entries.size(), buttons.indexOf(button) + 1);
            QCOMPARE(recorder.entries.last(), MessageRecorder::info(NoticeStr));
            QCOMPARE(CmdStr, button == Form1->ph ? hex("1F1B1FFB 1B6406") : QByteArrayLiteral("earlier"));
        }
    }

    void printTestRefusesACountFollowedByABlank() {
        TestEnvironment environment;
        MessageRecorder recorder;
        DevicePrinter printer(environment, QStringLiteral("LPT1"));
        ProgramWindows windows;
        Form1->Edit1->setText(QStringLiteral("5 "));
        click(Form1->Button1);
        QCOMPARE(recorder.entries,
                 Entries{MessageRecorder::err(QStringLiteral("'5 ' is not a valid integer value."))});
        QVERIFY(printer.contents().isEmpty());
        Form1->Edit1->setText(QStringLiteral("0"));
        click(Form1->Button1);
        QCOMPARE(printer.contents(), hex("1B401B55001B330E 1B401B6406"));
    }

    void optionButtonsSendTheirListsValue() {
        TestEnvironment environment;
        MessageRecorder recorder;
        DevicePrinter printer(environment, QStringLiteral("LPT1"));
        ProgramWindows windows;
        struct Case {
            QCheckBox *group;
            QPushButton *button;
            TComboBox *list;
            const char *atStart;
            const char *item; // the item chosen next; nullptr: no item selected
            const char *changed;
        };
        const Case cases[] = {
            {Form1->CheckBox1, Form1->sdb, Form1->dc, "1F1B1F60040506 55", nullptr, "1F1B1F60040506 77"},
            {Form1->CheckBox2, Form1->crb, Form1->crc, "1F1B1F58141516 22", "禁用", "1F1B1F58141516 11"},
            {Form1->CheckBox3, Form1->cdb, Form1->cdc, "1F1B1FF4112233 55", "禁用", "1F1B1FF4112233 33"},
            {Form1->CheckBox4, Form1->msb, Form1->msc, "1F1B1FDC101112151617 55", "STAR(Line/T)",
             "1F1B1FDC101112151617 33"},
            {Form1->CheckBox5, Form1->bb, Form1->bc, "1F1B1F42656570 08", "禁用", "1F1B1F42656570 06"},
            {Form1->CheckBox6, Form1->fontb, Form1->fontc, "1F1B1FE5090603 AA", "禁用小字体(9*17)",
             "1F1B1FE5090603 77"},
        };
        for (const Case &c : cases) {
            click(c.group);
            click(c.button);
            QCOMPARE(printer.contents(), hex(c.atStart));
            if (c.item)
                choose(c.list, QString::fromUtf8(c.item));
            else
                type(c.list, QString());
            click(c.button);
            QCOMPARE(printer.contents(), hex(c.changed));
        }
        QVERIFY(recorder.entries.isEmpty());
    }

    void beeperPromptSendsTheSpinnerPositions() {
        TestEnvironment environment;
        DevicePrinter printer(environment, QStringLiteral("LPT2"));
        ProgramWindows windows;
        choose(Form1->dk, QStringLiteral("LPT2"));
        click(Form1->bpck);
        click(Form1->bpb);
        QCOMPARE(printer.contents(), hex("1015 03 02"));
        for (int i = 0; i < 8; ++i)
            click(Form1->UpDown1->upButton);
        for (int i = 0; i < 2; ++i)
            click(Form1->UpDown2->downButton);
        click(Form1->bpb);
        QCOMPARE(printer.contents(), hex("1015 0A 00"));
    }

    void serialRateNeedsASerialPort() {
        TestEnvironment environment;
        MessageRecorder recorder;
        PtyPrinter printer(environment, QStringLiteral("COM3"));
        ProgramWindows windows;
        const QString refusal = QStringLiteral("You must select Serial Port for KQ-A310 with serial port!!");
        click(Form1->tcb); // also chooses COM3 at 9600
        choose(Form1->dk, QStringLiteral("LPT2"));
        click(Form1->tb);
        type(Form1->dk, QStringLiteral("COM"));
        click(Form1->tb);
        QCOMPARE(recorder.entries, (Entries{MessageRecorder::info(refusal), MessageRecorder::info(refusal)}));
        QVERIFY(printer.received().isEmpty());
        chooseSerial();
        click(Form1->tb);
        type(Form1->tc, QStringLiteral("5:115200bps"));
        click(Form1->tb);
        QCOMPARE(printer.waitForBytes(10), hex("1F1B1FFD01 1F1B1FFD05"));
        type(Form1->tc, QString());
        click(Form1->tb);
        QCOMPARE(recorder.entries.last(),
                 MessageRecorder::err(QStringLiteral("'' is not a valid integer value.")));
    }

    void networkRouteCarriesThePanelsCommands() {
        MessageRecorder recorder;
        NetPrinter printer;
        ProgramWindows windows;
        Form1->IPE->setIPString(QStringLiteral("127.0.0.1"));
        click(Form1->tcb); // chooses COM3; the serial-rate command also serves the network route
        choose(Form1->dk, QStringLiteral("Ethernet"));
        click(Form1->Open);
        click(Form1->tb);
        click(Form1->Button2);
        const QList<QByteArray> connections = printer.waitForConnections(3);
        QCOMPARE(connections.size(), 3);
        QCOMPARE(connections[0], hex("1B70003232 0D")); // the 00 included
        QCOMPARE(connections[1], hex("1F1B1FFD 01"));
        QCOMPARE(connections[2], impactTestCommand(ImpactTestSettings{}));
        QVERIFY(recorder.entries.isEmpty());
    }

    void optionCommandsWithoutAPortSendAndShowNothing() {
        TestEnvironment environment;
        MessageRecorder recorder;
        DevicePrinter printer(environment, QStringLiteral("LPT1"));
        ProgramWindows windows;
        type(Form1->dk, QString());
        click(Form1->CheckBox1);
        click(Form1->bpck);
        click(Form1->sdb);
        click(Form1->bpb);
        QVERIFY(recorder.entries.isEmpty());
        QVERIFY(printer.contents().isEmpty());
        QCOMPARE(CmdStr, hex("1015 03 02")); // built, then nothing to send it over
    }
};

QTEST_MAIN(ServiceHandlersTest)
#include "handlers_test.moc"
