#include "app/sharedstate.h"
#include "ipedit/ipedit.h"
#include "support/gtestqt.h"
#include "support/netprinter.h"
#include "windowfixture.h"

#include <QElapsedTimer>

namespace {

using Entry = MessageRecorder::Entry;

const QString congratulations = QStringLiteral("恭喜！！NV Logo 下载成功！");

class NetworkDownload : public NvWindowTest {
  protected:
    void SetUp() override {
        Form1->IPE->setIPString(QStringLiteral("127.0.0.1"));
        choosePort(QStringLiteral("Ethernet"));
    }
};

TEST_F(NetworkDownload, ShowsTheCountThenCongratulatesAfterTheDelivery) {
    NetPrinter printer;
    QElapsedTimer clock;
    clock.start();
    nvf->Button2->click();
    // 5 ms after opening, 10 ms after sending, 100 ms after closing.
    EXPECT_GE(clock.elapsed(), 115);
    const QList<QByteArray> connections = printer.waitForConnections(1);
    ASSERT_EQ(connections.size(), 1);
    EXPECT_EQ(connections[0].size(), 1188);
    EXPECT_EQ(connections[0], CmdStr);
    EXPECT_EQ(nvf->Edit1->text(), QStringLiteral("1188"));
    EXPECT_EQ(PrinterIP, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(recorder.entries, QList<Entry>{MessageRecorder::info(congratulations)});
}

TEST_F(NetworkDownload, ARefusedConnectionKeepsTheCountAndDoesNotCongratulate) {
    NetPrinter printer(NetPrinter::Mode::Refuse);
    nvf->Button2->click();
    EXPECT_EQ(nvf->Edit1->text(), QStringLiteral("1188"));
    EXPECT_EQ(recorder.entries, QList<Entry>{MessageRecorder::info(QStringLiteral("Connect error"))});
}

TEST_F(NetworkDownload, TheMainWindowsNvPrintServesTheNetworkToo) {
    NetPrinter printer;
    Form1->nvcb->click();
    Form1->nvp->click();
    EXPECT_EQ(printer.waitForConnections(1), QList<QByteArray>{QByteArray::fromHex("1C700100")});
    EXPECT_TRUE(recorder.entries.isEmpty());
}

} // namespace
