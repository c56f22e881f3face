#include "ptyprinter.h"

#include "testenvironment.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

PtyPrinter::PtyPrinter(const TestEnvironment &environment, const QString &portName) {
    master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        throw std::runtime_error("no pseudo-terminal");
    slave = QString::fromLocal8Bit(::ptsname(master));
    slaveHold = ::open(slave.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios raw{};
    if (slaveHold < 0 || ::tcgetattr(slaveHold, &raw) != 0)
        throw std::runtime_error("cannot open the pseudo-terminal's slave");
    ::cfmakeraw(&raw); // no echo of replies before the program has set the line up
    ::tcsetattr(slaveHold, TCSANOW, &raw);
    environment.linkPort(portName, slave);
    reader = std::thread([this] { collect(); });
}

PtyPrinter::~PtyPrinter() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    reader.join();
    releaseOutput();
    ::close(slaveHold);
    ::close(master);
}

void PtyPrinter::collect() {
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (stopping)
                return;
        }
        pollfd p{master, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0 || (p.revents & POLLIN) == 0)
            continue;
        char buffer[4096];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        std::lock_guard<std::mutex> lock(mutex);
        data.append(buffer, n);
        while (!request.isEmpty()) {
            const qsizetype at = data.indexOf(request, answeredUpTo);
            if (at < 0)
                break;
            answeredUpTo = at + request.size();
            if (!replies.isEmpty()) {
                const QByteArray reply = replies.takeFirst();
                if (!reply.isEmpty() && ::write(master, reply.constData(), reply.size()) < 0)
                    return;
            }
        }
        arrived.notify_all();
    }
}

QByteArray PtyPrinter::waitForBytes(qsizetype count, int timeoutMs) {
    std::unique_lock<std::mutex> lock(mutex);
    arrived.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return data.size() >= count; });
    return data;
}

QByteArray PtyPrinter::received() {
    std::lock_guard<std::mutex> lock(mutex);
    return data;
}

void PtyPrinter::answer(const QByteArray &requestBytes, const QList<QByteArray> &replyList) {
    std::lock_guard<std::mutex> lock(mutex);
    request = requestBytes;
    replies = replyList;
    answeredUpTo = data.size();
}

void PtyPrinter::send(const QByteArray &bytes) {
    if (::write(master, bytes.constData(), bytes.size()) != bytes.size())
        throw std::runtime_error("cannot write to the pseudo-terminal");
}

void PtyPrinter::holdOutput() const {
    ::tcflow(slaveHold, TCOOFF);
}

void PtyPrinter::releaseOutput() const {
    ::tcflow(slaveHold, TCOON);
}

unsigned PtyPrinter::inputFlags() const {
    termios settings{};
    ::tcgetattr(slaveHold, &settings);
    return settings.c_iflag;
}

int PtyPrinter::speed() const {
    termios settings{};
    ::tcgetattr(slaveHold, &settings);
    static const std::pair<speed_t, int> rates[] = {{B2400, 2400},     {B4800, 4800},    {B9600, 9600},
                                                    {B19200, 19200},   {B38400, 38400},  {B57600, 57600},
                                                    {B115200, 115200}, {B230400, 230400}};
    for (const auto &[code, rate] : rates)
        if (::cfgetospeed(&settings) == code)
            return rate;
    return -1;
}
