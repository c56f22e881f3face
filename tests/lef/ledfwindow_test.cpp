#include "app/mainwindow.h"
#include "app/sharedstate.h"
#include "lef/ledf.h"
#include "support/deviceprinter.h"
#include "support/messagerecorder.h"
#include "support/netprinter.h"
#include "support/programwindows.h"
#include "support/ptyprinter.h"
#include "support/testenvironment.h"

#include <QLineEdit>
#include <QtTest>
#include <optional>

namespace {

const QString serialPortMessage = QStringLiteral("You must select Serial Port for KQ-A350's LED Display!!");
const QString rateMessage = QStringLiteral("You must select 2400bps for KQ-A350's LED Display!!");

// Types into a list field as a user would: the list follows the typed text.
void typeInto(TComboBox *list, const QString &text) {
    list->lineEdit()->clear();
    QTest::keyClicks(list->lineEdit(), text);
}

} // namespace

class LedWindow : public QObject {
    Q_OBJECT

    std::optional<TestEnvironment> environment;
    std::optional<MessageRecorder> recorder;
    std::optional<ProgramWindows> windows;

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

    void buttonWritesItsCommandToTheParallelDevice_data() {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("light unit price") << "Button2"
                                          << "12345678" << QByteArray::fromHex("1b7331");
        QTest::newRow("light total") << "Button3"
                                     << "12345678" << QByteArray::fromHex("1b7332");
        QTest::newRow("default amount, 12 bytes")
            << "Button4"
            << "12345678" << QByteArray::fromHex("1b5141 3132333435363738 0d");
        QTest::newRow("empty amount, 4 bytes") << "Button4"
                                               << "" << QByteArray::fromHex("1b51410d");
        QTest::newRow("letters unchanged") << "Button4"
                                           << "Ab.x 9" << QByteArray("\x1bQAAb.x 9\r");
        QTest::newRow("clear screen") << "Button5"
                                      << "12345678" << QByteArray::fromHex("0c");
        QTest::newRow("clear cursor line") << "Button6"
                                           << "12345678" << QByteArray::fromHex("18");
        QTest::newRow("initialise") << "Button7"
                                    << "12345678" << QByteArray::fromHex("1b40");
    }

    void buttonWritesItsCommandToTheParallelDevice() {
        QFETCH(QString, buttonName);
        QFETCH(QString, amount);
        QFETCH(QByteArray, bytes);
        DevicePrinter printer(*environment, QStringLiteral("LPT1"));
        Form1->dk->setCurrentIndex(0);
        ledf->Edit1->setText(amount);
        ledf->findChild<QPushButton *>(buttonName)->click();
        QCOMPARE(printer.contents(), bytes);
        QCOMPARE(CmdStr, bytes);
        QVERIFY(recorder->entries.isEmpty());
    }

    void amountTakesAtMostNineCharacters() {
        ledf->Edit1->clear();
        QTest::keyClicks(ledf->Edit1, QStringLiteral("1234567890"));
        QCOMPARE(ledf->Edit1->text(), QStringLiteral("123456789"));
    }

    void servesTheSerialPortsBeyondCom4() {
        PtyPrinter printer(*environment, QStringLiteral("COM5"));
        Form1->dk->setCurrentIndex(6);
        Form1->sd->setCurrentIndex(0);
        ledf->Button7->click();
        QCOMPARE(printer.waitForBytes(2), QByteArray::fromHex("1b40"));
        QCOMPARE(Form1->cp.BaudRate(), 2400);
        QVERIFY(!Form1->cp.Connected());
    }

    void servesTheNetworkRoute() {
        NetPrinter printer;
        Form1->dk->setCurrentIndex(10);
        Form1->IPE->setIPString(QStringLiteral("127.0.0.1"));
        ledf->Button4->click();
        QCOMPARE(printer.waitForConnections(1),
                 QList<QByteArray>{QByteArray::fromHex("1b5141 3132333435363738 0d")});
        QVERIFY(recorder->entries.isEmpty());
    }

    void noPortChosenSendsNothingAndShowsNothing() {
        Form1->dk->setCurrentIndex(-1);
        CmdStr.clear();
        ledf->Button2->click();
        QCOMPARE(CmdStr, QByteArray::fromHex("1b7331"));
        QVERIFY(recorder->entries.isEmpty());
    }

    void closeHidesAndKeepsTheAmount() {
        ledf->show();
        ledf->Edit1->setText(QStringLiteral("42"));
        ledf->Button1->click();
        QVERIFY(ledf->isHidden());
        QCOMPARE(ledf->Edit1->text(), QStringLiteral("42"));
    }

    void openingChecksForASerialPortAt2400_data() {
        QTest::addColumn<QString>("port"); // an item's text, or typed when no item has it exactly
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("Ethernet") << "Ethernet"
                                  << "2400" << QStringList{serialPortMessage};
        QTest::newRow("LPT1") << "LPT1"
                              << "2400" << QStringList{serialPortMessage};
        QTest::newRow("COM1 at 9600") << "COM1"
                                      << "9600" << QStringList{rateMessage};
        QTest::newRow("typed com1") << "com1"
                                    << "2400" << QStringList{serialPortMessage};
        QTest::newRow("typed 2400 baud with a blank") << "COM1"
                                                      << "2400 " << QStringList{rateMessage};
        QTest::newRow("COM1 at 2400") << "COM1"
                                      << "2400" << QStringList();
        QTest::newRow("COM8 at 2400") << "COM8"
                                      << "2400" << QStringList();
        QTest::newRow("typed COM9 at 2400") << "COM9"
                                            << "2400" << QStringList();
    }

    void openingChecksForASerialPortAt2400() {
        QFETCH(QString, port);
        QFETCH(QString, rate);
        QFETCH(QStringList, messages);
        Form1->lcb->click(); // enables lb, choosing COM1 at 2400
        const int item = Form1->dk->findText(port);
        if (item >= 0)
            Form1->dk->setCurrentIndex(item);
        else
            typeInto(Form1->dk, port);
        typeInto(Form1->sd, rate);
        QCOMPARE(Form1->dk->currentText(), port);
        QCOMPARE(Form1->sd->currentText(), rate);

        Form1->lb->click();
        QCOMPARE(recorder->texts(), messages);
        QCOMPARE(ledf->isVisible(), messages.isEmpty());
    }

    void tickingChoosesCom1At2400AndUntickingKeepsTheChoice() {
        Form1->dk->setCurrentIndex(1);
        Form1->sd->setCurrentIndex(5);
        QVERIFY(!Form1->lb->isEnabled());
        const qint32 rateBefore = Form1->cp.BaudRate();

        Form1->lcb->click();
        QVERIFY(Form1->lb->isEnabled());
        QCOMPARE(Form1->dk->currentIndex(), 2);
        QCOMPARE(Form1->dk->currentText(), QStringLiteral("COM1"));
        QCOMPARE(Form1->sd->currentIndex(), 0);
        QCOMPARE(Form1->sd->currentText(), QStringLiteral("2400"));
        QCOMPARE(Form1->cp.BaudRate(), rateBefore); // the rate list's change handler did not run

        Form1->dk->setCurrentIndex(7);
        Form1->lcb->click();
        QVERIFY(!Form1->lb->isEnabled());
        QCOMPARE(Form1->dk->currentIndex(), 7);
        QCOMPARE(Form1->sd->currentIndex(), 0);
        QVERIFY(recorder->entries.isEmpty());
    }

    void layout() {
        QCOMPARE(ledf->windowTitle(), QStringLiteral("KQ-A350 LED显示演示"));
        QCOMPARE(ledf->geometry(), QRect(192, 114, 476, 337));
        const struct {
            const char *name;
            QString caption;
            QRect geometry;
            int pixels;
        } buttons[] = {
            {"Button2", QStringLiteral("亮 单价"), {144, 8, 161, 33}, 14},
            {"Button3", QStringLiteral("亮 总计"), {144, 48, 161, 33}, 14},
            {"Button4", QStringLiteral("显示 金额"), {144, 87, 161, 33}, 14},
            {"Button5", QStringLiteral("清屏"), {144, 128, 161, 33}, 14},
            {"Button6", QStringLiteral("清光标行"), {144, 168, 161, 33}, 14},
            {"Button7", QStringLiteral("初始化 LED"), {144, 208, 161, 33}, 14},
            {"Button1", QStringLiteral("关    闭"), {128, 248, 193, 41}, 21},
        };
        for (const auto &b : buttons) {
            const QPushButton *button = ledf->findChild<QPushButton *>(QLatin1String(b.name));
            QCOMPARE(button->text(), b.caption);
            QCOMPARE(button->geometry(), b.geometry);
            QCOMPARE(button->font().pixelSize(), b.pixels);
        }
        QCOMPARE(ledf->Edit1->text(), QStringLiteral("12345678"));
        QCOMPARE(ledf->Edit1->geometry(), QRect(312, 88, 105, 30));
        QCOMPARE(ledf->Edit1->font().pixelSize(), 19);
        QCOMPARE(ledf->Edit1->palette().color(QPalette::Text), QColor(Qt::blue));
        QCOMPARE(ledf->Image1->geometry(), QRect(328, 248, 137, 49));
        QCOMPARE(ledf->Image1->pixmap().size(), QSize(133, 39));
    }
};

QTEST_MAIN(LedWindow)
#include "ledfwindow_test.moc"
