#include "app/sharedstate.h"
#include "bitimage_testwindow.h"
#include "support/netprinter.h"

#include <QFile>

namespace {

using BitImageNetwork = NvWindowTest;

const QString defined = QStringLiteral("恭喜！！定义下载位图成功！");

TEST_F(BitImageNetwork, DefineReportsSuccessOnlyAfterDelivery) {
    NetPrinter printer;
    chooseLoopbackNetwork();
    click("Button8");
    const QList<QByteArray> received = printer.waitForConnections(1);
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received[0], CmdStr);
    EXPECT_TRUE(received[0].startsWith("xL=21;yL=7\n\x1D\x2A\x15\x07"));
    EXPECT_EQ(recorder.entries, QList{MessageRecorder::info(defined)});
    EXPECT_EQ(PrinterIP, QStringLiteral("127.0.0.1"));
}

TEST_F(BitImageNetwork, DefineWithoutConnectionShowsOnlyConnectError) {
    NetPrinter printer(NetPrinter::Mode::Refuse);
    chooseLoopbackNetwork();
    click("Button8");
    EXPECT_EQ(recorder.entries, QList{MessageRecorder::info(QStringLiteral("Connect error"))});
}

TEST_F(BitImageNetwork, PrintCommandsAndTheFileSendGoOverTheNetwork) {
    NetPrinter printer;
    chooseLoopbackNetwork();
    const QByteArray saved("\x1B\x40\x00\x0A", 4);
    QFile file(environment.path(QStringLiteral("saved.bin")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(saved);
    file.close();
    nvf->Edit9->setText(file.fileName());
    click("Button9");
    click("Button10");
    click("Button11");
    EXPECT_EQ(printer.waitForConnections(3),
              (QList<QByteArray>{QByteArray::fromHex("1D2F001D2F011D2F021D2F03"),
                                 QByteArray::fromHex("1B61001D2F000A") + "plimo\n", saved}));
    EXPECT_TRUE(recorder.entries.isEmpty());
}

TEST_F(BitImageNetwork, CutterTestWritesEveryCopyOverOneConnection) {
    NetPrinter printer;
    chooseLoopbackNetwork();
    nvf->Edit3->setText(QStringLiteral("3"));
    click("Button4");
    QByteArray expected;
    for (const char *number : {"1", "2", "3"})
        expected += "\x1B\x61\x31" + QByteArray(number) + "\n" + CmdStr;
    EXPECT_EQ(printer.waitForConnections(1), QList<QByteArray>{expected});
    EXPECT_EQ(printer.acceptedCount(), 1);
    EXPECT_EQ(nvf->Edit2->text(), QStringLiteral("4"));
    EXPECT_TRUE(recorder.entries.isEmpty());
}

TEST_F(BitImageNetwork, CutterTestWithoutConnectionReadsNoCopyCount) {
    NetPrinter printer(NetPrinter::Mode::Refuse);
    chooseLoopbackNetwork();
    nvf->Edit3->setText(QStringLiteral("x")); // read only once the route is open
    click("Button4");
    EXPECT_EQ(recorder.entries, QList{MessageRecorder::info(QStringLiteral("Connect error"))});
    EXPECT_EQ(nvf->Edit2->text(), QStringLiteral("1"));
}

} // namespace
