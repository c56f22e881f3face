#include "fifoprinter.h"

#include "support/testenvironment.h"

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

FifoPrinter::FifoPrinter(const TestEnvironment &environment, const QString &portName) {
    const QString path = environment.path(portName.toLower() + QStringLiteral(".fifo"));
    const QByteArray name = path.toLocal8Bit();
    if (::mkfifo(name.constData(), 0600) != 0)
        throw std::runtime_error("cannot create the FIFO");
    // Opened for reading and writing, the FIFO always has a reader and never reports an end.
    fifo = ::open(name.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fifo < 0)
        throw std::runtime_error("cannot open the FIFO");
    environment.linkPort(portName, path);
    reader = std::thread([this] { collect(); });
}

FifoPrinter::~FifoPrinter() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    reader.join();
    ::close(fifo);
}

void FifoPrinter::collect() {
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (stopping)
                return;
        }
        pollfd p{fifo, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0)
            continue;
        char buffer[4096];
        const ssize_t n = ::read(fifo, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        std::lock_guard<std::mutex> lock(mutex);
        data.append(buffer, n);
        arrived.notify_all();
    }
}

QByteArray FifoPrinter::waitForBytes(qsizetype count, int timeoutMs) {
    std::unique_lock<std::mutex> lock(mutex);
    arrived.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return data.size() >= count; });
    return data;
}
