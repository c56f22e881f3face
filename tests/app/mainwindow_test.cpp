#include "app/mainwindow.h"
#include "app/send.h"
#include "app/sharedstate.h"
#include "coms/form2.h"
#include "df/bmf.h"
#include "lef/ledf.h"
#include "nvl/nvf.h"
#include "support/deviceprinter.h"
#include "support/messagerecorder.h"
#include "support/netprinter.h"
#include "support/programwindows.h"
#include "support/ptyprinter.h"
#include "support/testenvironment.h"

#include <QLineEdit>
#include <QLocale>
#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    static void choose(QComboBox *list, const QString &item) {
        const int index = list->findText(item);
        QVERIFY(index >= 0);
        list->setCurrentIndex(index);
    }
    static void type(QComboBox *list, const QString &text) {
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), text);
    }

  private slots:
    void startUpCreatesTheFiveWindowsInOrder() {
        ProgramWindows windows;
        QVERIFY(Form1 && bmf && ledf && nvf && Form2);
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Auto disconnect mode set program V1.2"));
        QCOMPARE(Form1->size(), QSize(558, 385));
        QCOMPARE(Form1->minimumSize(), Form1->maximumSize());
        QVERIFY(!(Form1->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(bmf->windowTitle(), QStringLiteral("KQ B4针打黑标定位偏移量设置/演示"));
        QCOMPARE(ledf->windowTitle(), QStringLiteral("KQ-A350 LED显示演示"));
        QCOMPARE(nvf->windowTitle(), QStringLiteral("KQ C6 NV Logo 演示"));
        QCOMPARE(Form2->windowTitle(), QStringLiteral("KQ 串口型号打印机状态检测"));
        for (QWidget *window : {static_cast<QWidget *>(bmf), static_cast<QWidget *>(ledf),
                                static_cast<QWidget *>(nvf), static_cast<QWidget *>(Form2)})
            QVERIFY(window->isHidden());
    }

    void formCreateSetsTheSharedState() {
        ProgramWindows windows;
        QCOMPARE(NoticeStr, QStringLiteral("NOTICE:Please select the correct communication port!"));
        QCOMPARE(ESC, '\x1B');
        QCOMPARE(CAN, '\x18');
        QCOMPARE(Form1->tb->text(), QStringLiteral("KQ-A3XX\n波特率设置"));
        QVERIFY(Form1->Label3->isHidden());
    }

    void visibleLayoutAndStartContent() {
        ProgramWindows windows;
        QCOMPARE(Form1->dk->geometry(), QRect(18, 32, 159, 30));
        QCOMPARE(Form1->dk->count(), 11);
        QCOMPARE(Form1->dk->currentText(), QStringLiteral("LPT1"));
        QCOMPARE(Form1->dk->itemText(10), QStringLiteral("Ethernet"));
        QCOMPARE(Form1->sd->geometry(), QRect(192, 32, 145, 30));
        QCOMPARE(Form1->sd->currentIndex(), 3);
        QCOMPARE(Form1->sd->currentText(), QStringLiteral("19200"));
        QCOMPARE(Form1->IPE->geometry(), QRect(352, 32, 193, 30));
        QCOMPARE(Form1->IPE->IPString(), QStringLiteral("192.168.123.100"));
        QCOMPARE(Form1->Label16->text(), QStringLiteral("IP Address:"));
        QCOMPARE(Form1->Autocb->geometry(), QRect(32, 111, 249, 24));
        QCOMPARE(Form1->Autocb->count(), 10);
        QCOMPARE(Form1->Autocb->itemText(1), QStringLiteral("Auto Disconnect Enable:1 minute"));
        QCOMPARE(Form1->Autocb->itemText(9), QStringLiteral("Auto Disconnect Enable:9 minutes"));
        QCOMPARE(Form1->Autocb->currentIndex(), 0);
        QCOMPARE(Form1->Button6->geometry(), QRect(288, 92, 241, 65));
        QCOMPARE(Form1->Button6->text(), QStringLiteral("Auto Disconnect Set"));
        QCOMPARE(Form1->Button7->geometry(), QRect(32, 204, 497, 73));
        QCOMPARE(Form1->StatusBar1->geometry(), QRect(0, 358, 558, 27));
        QCOMPARE(Form1->findChild<QLabel *>("Label1")->text(), QStringLiteral("Port:"));
        QCOMPARE(Form1->findChild<QLabel *>("Label4")->text(), QStringLiteral("Baudrate:"));
        QCOMPARE(Form1->dk->font().pixelSize(), 19);
        QCOMPARE(Form1->Button6->font().pixelSize(), 19);
        QVERIFY(Form1->Button5->isHidden());
        QVERIFY(Form1->QButton->isHidden());
    }

    void keyboardReachesOnlyTheVisibleControlsInOrder() {
        ProgramWindows windows;
        Form1->show();
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        Form1->dk->setFocus();
        QStringList order;
        for (int step = 0; step < 12; ++step) {
            QWidget *focused = QApplication::focusWidget();
            while (focused && focused->objectName().isEmpty())
                focused = focused->parentWidget(); // the edit field inside a list
            order << (focused ? focused->objectName() : QString());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // The address field's four fields take their turns inside it.
        const QStringList expected{
            QStringLiteral("dk"),      QStringLiteral("sd"),      QStringLiteral("Fields0"),
            QStringLiteral("Fields1"), QStringLiteral("Fields2"), QStringLiteral("Fields3"),
            QStringLiteral("Button6"), QStringLiteral("Button7"), QStringLiteral("Autocb")};
        QCOMPARE(order.mid(0, expected.size()), expected);
    }

    void clockFillsTheFirstTwoPanelsEverySecond() {
        ProgramWindows windows;
        QVERIFY(Form1->StatusPanels[0]->text().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!Form1->StatusPanels[1]->text().isEmpty(), 3000);
        QCOMPARE(Form1->StatusPanels[0]->text(),
                 QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
        const QString first = Form1->StatusPanels[1]->text();
        QTRY_VERIFY_WITH_TIMEOUT(Form1->StatusPanels[1]->text() != first, 3000);
        QVERIFY(Form1->StatusPanels[2]->text().isEmpty());
        QCOMPARE(Form1->StatusBar1->font().pointSize(), 14);
    }

    void rateListStoresTheLookedUpRateAsTheUserChangesIt() {
        ProgramWindows windows;
        type(Form1->sd, QStringLiteral("115200"));
        QCOMPARE(Form1->cp.BaudRate(), 115200);
        QCOMPARE(Form1->sd->currentIndex(), 6);
        type(Form1->sd, QStringLiteral("1234"));
        QCOMPARE(Form1->cp.BaudRate(), 9600);
        QCOMPARE(Form1->sd->currentIndex(), -1);
        QCOMPARE(Form1->sd->currentText(), QStringLiteral("1234"));
        Form1->sd->setCurrentIndex(0); // a selection made by the program raises nothing
        QCOMPARE(Form1->cp.BaudRate(), 9600);
    }

    void typedTextSelectsOnlyAnItemItEqualsExactly() {
        ProgramWindows windows;
        type(Form1->dk, QStringLiteral("COM3"));
        QCOMPARE(Form1->dk->currentIndex(), 4);
        type(Form1->dk, QStringLiteral("com3"));
        QCOMPARE(Form1->dk->currentIndex(), -1);
        QCOMPARE(Form1->dk->count(), 11);
        QTest::keyClick(Form1->dk->lineEdit(), Qt::Key_Return);
        QCOMPARE(Form1->dk->count(), 11);
    }

    void setDeliversTheCommandOverTheSerialRoute() {
        TestEnvironment environment;
        MessageRecorder recorder;
        PtyPrinter printer(environment, QStringLiteral("COM3"));
        ProgramWindows windows;
        choose(Form1->dk, QStringLiteral("COM3"));
        choose(Form1->sd, QStringLiteral("9600"));
        choose(Form1->Autocb, QStringLiteral("Auto Disconnect Enable:5 minutes"));
        QTest::mouseClick(Form1->Button6, Qt::LeftButton);
        QCOMPARE(printer.waitForBytes(12), QByteArray::fromHex("1F1B1F9501020311121333 05"));
        QCOMPARE(Form1->cp.BaudRate(), 9600);
        QVERIFY(!Form1->cp.Connected());
        // Every press sends again.
        QTest::mouseClick(Form1->Button6, Qt::LeftButton);
        QCOMPARE(printer.waitForBytes(24).size(), 24);
        QVERIFY(recorder.entries.isEmpty());
    }

    void setWithATypedRateUsesTheRateItem() {
        TestEnvironment environment;
        PtyPrinter printer(environment, QStringLiteral("COM1"));
        ProgramWindows windows;
        choose(Form1->dk, QStringLiteral("COM1"));
        type(Form1->sd, QStringLiteral("38400 baud"));
        QTest::mouseClick(Form1->Button6, Qt::LeftButton);
        QCOMPARE(printer.waitForBytes(12).size(), 12);
        QCOMPARE(Form1->cp.BaudRate(), 9600); // names from items: no rate item selected
    }

    void offButtonDeliversOverTheParallelRoute() {
        TestEnvironment environment;
        DevicePrinter printer(environment, QStringLiteral("LPT1"));
        ProgramWindows windows;
        Form1->Button5->show();
        QTest::mouseClick(Form1->Button5, Qt::LeftButton);
        QCOMPARE(printer.contents(), QByteArray::fromHex("1F1B1F95010203111213 55 55"));
        Form1->Autocb->setCurrentIndex(-1);
        QTest::mouseClick(Form1->Button6, Qt::LeftButton);
        QCOMPARE(printer.contents(), QByteArray::fromHex("1F1B1F95010203111213 33 FF"));
    }

    void setOverEthernetReadsTheAddressAtEverySend() {
        MessageRecorder recorder;
        ProgramWindows windows;
        choose(Form1->dk, QStringLiteral("Ethernet"));
        choose(Form1->Autocb, QStringLiteral("Auto Disconnect Enable:5 minutes"));
        {
            NetPrinter refusing(NetPrinter::Mode::Refuse);
            Form1->IPE->setIPString(QStringLiteral("127.0.0.1"));
            QTest::mouseClick(Form1->Button6, Qt::LeftButton);
            QCOMPARE(recorder.texts(), QStringList{QStringLiteral("Connect error")});
        }
        NetPrinter printer;
        Form1->IPE->setIPString(QStringLiteral("0.0.0.0"));
        QCOMPARE(currentPortChoice(NameSource::Items).address, QStringLiteral("0.0.0.0"));
        Form1->IPE->setIPString(QStringLiteral("127.0.0.1"));
        QTest::mouseClick(Form1->Button6, Qt::LeftButton);
        QCOMPARE(printer.waitForConnections(1),
                 QList<QByteArray>{QByteArray::fromHex("1F1B1F9501020311121333 05")});
        QCOMPARE(PrinterIP, QStringLiteral("127.0.0.1"));
        QCOMPARE(recorder.texts().size(), 1);
    }

    void routeFailuresReachTheDefaultErrorHandler() {
        TestEnvironment environment;
        MessageRecorder recorder;
        ProgramWindows windows;
        choose(Form1->dk, QStringLiteral("COM5"));
        QTest::mouseClick(Form1->Button6, Qt::LeftButton);
        environment.linkPort(QStringLiteral("LPT2"), environment.path(QStringLiteral("no/folder")));
        choose(Form1->dk, QStringLiteral("LPT2"));
        QTest::mouseClick(Form1->Button6, Qt::LeftButton);
        QCOMPARE(recorder.entries,
                 (QList<MessageRecorder::Entry>{
                     MessageRecorder::err(QStringLiteral("Unable to open com port (win error code: 2)")),
                     MessageRecorder::err(QStringLiteral("Invalid filename."))}));
    }

    void noPortItemSelectedSendsAndShowsNothing() {
        TestEnvironment environment;
        MessageRecorder recorder;
        DevicePrinter printer(environment, QStringLiteral("LPT1"));
        ProgramWindows windows;
        type(Form1->dk, QStringLiteral("LPT"));
        QCOMPARE(Form1->dk->currentIndex(), -1);
        QTest::mouseClick(Form1->Button6, Qt::LeftButton);
        QVERIFY(printer.contents().isEmpty());
        QVERIFY(recorder.entries.isEmpty());
    }

    void closeButtonsCloseTheMainWindowWhileOthersAreOpen() {
        ProgramWindows windows;
        // Only the main window keeps the program running.
        QVERIFY(Form1->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(!bmf->testAttribute(Qt::WA_QuitOnClose) && !Form2->testAttribute(Qt::WA_QuitOnClose));
        for (QPushButton *button : {Form1->Button7, Form1->QButton}) {
            Form1->show();
            bmf->show();
            button->show();
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY(!Form1->isVisible());
            bmf->hide();
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
