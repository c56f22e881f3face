// The cutter test writing 750 copies of the sample page (what Edit3 holds after a bitmap is opened) to a
// device file, beside one plain write loop of the same bytes in the same run. Prints the best of a few
// runs of each and their ratio.

#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/sharedstate.h"
#include "app/startup.h"
#include "link/devicemap.h"
#include "nvl/nvf.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int copies = 750;
constexpr int runs = 7;

// The copies exactly as the printer receives them, to check the run and to feed the floor.
QByteArray writtenBytes(const QString &device) {
    QFile file(device);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A plain write loop of the same bytes in pieces of the given size, to a freshly truncated file. The
// floor writes one copy per call; pieces of 128 bytes are what the parallel route's file layer writes.
qint64 plainWriteLoopNs(const QString &device, const QByteArray &bytes, qsizetype pieceSize) {
    QElapsedTimer timer;
    timer.start();
    const int fd = ::open(device.toLocal8Bit().constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return -1;
    for (qsizetype at = 0; at < bytes.size(); at += pieceSize) {
        const size_t piece = static_cast<size_t>(std::min(pieceSize, bytes.size() - at));
        if (::write(fd, bytes.constData() + at, piece) != static_cast<ssize_t>(piece))
            break;
    }
    ::close(fd);
    return timer.nsecsElapsed();
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    QDir().mkpath(deviceMapFolder());
    const QString device = dir.filePath(QStringLiteral("lpt1.device"));
    QFile(device).open(QIODevice::WriteOnly);
    QFile::link(device, deviceMapFolder() + QStringLiteral("/lpt1"));

    QApplication application(argc, argv);
    createWindows();
    Form1->dk->setCurrentIndex(0); // LPT1

    qint64 bestHandler = -1;
    qint64 bestFloor = -1;
    qint64 bestPieces = -1;
    QByteArray written;
    for (int run = 0; run < runs; ++run) {
        nvf->Edit2->setText(QStringLiteral("1"));
        nvf->Edit3->setText(QString::number(copies));
        QElapsedTimer timer;
        timer.start();
        guarded([] { nvf->Button4Click(); });
        const qint64 handler = timer.nsecsElapsed();
        written = writtenBytes(device);
        const qint64 floor = plainWriteLoopNs(device, written, written.size() / copies);
        bestHandler = bestHandler < 0 ? handler : std::min(bestHandler, handler);
        bestFloor = bestFloor < 0 ? floor : std::min(bestFloor, floor);
        const qint64 pieces = plainWriteLoopNs(device, written, 128);
        bestPieces = bestPieces < 0 ? pieces : std::min(bestPieces, pieces);
    }
    const bool complete = nvf->Edit2->text() == QString::number(1 + copies) &&
                          written.size() == copies * (CmdStr.size() + 5) + (copies - 9) + (copies - 99);
    std::printf("cutter test: %d copies of %lld bytes, %lld bytes written%s\n", copies,
                static_cast<long long>(CmdStr.size()), static_cast<long long>(written.size()),
                complete ? "" : " (INCOMPLETE)");
    std::printf("handler (page built once, one opening): %.3f ms\n", bestHandler / 1e6);
    std::printf("floor (plain write loop, one write per copy): %.3f ms\n", bestFloor / 1e6);
    std::printf("plain write loop in 128-byte pieces: %.3f ms\n", bestPieces / 1e6);
    std::printf("ratio to the floor: %.2f (target at most 1.5)\n",
                static_cast<double>(bestHandler) / bestFloor);
    std::printf("ratio to the 128-byte loop: %.2f\n", static_cast<double>(bestHandler) / bestPieces);
    destroyWindows();
    return complete ? 0 : 1;
}
