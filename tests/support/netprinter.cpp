#include "netprinter.h"

#include "link/kqnetio.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

NetPrinter::NetPrinter(Mode mode) : mode(mode) {
    listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener < 0 || ::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        throw std::runtime_error("cannot bind a loopback listener");
    listenPort = ntohs(address.sin_port);
    if (mode == Mode::Refuse) {
        ::close(listener); // the port is free again: connections to it are refused
        listener = -1;
    } else {
        if (::listen(listener, 8) != 0)
            throw std::runtime_error("cannot listen");
        server = std::thread([this] { serve(); });
    }
    use();
}

NetPrinter::~NetPrinter() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    if (server.joinable())
        server.join();
    if (listener >= 0)
        ::close(listener);
}

void NetPrinter::use() const {
    KQNetSetPortForTesting(listenPort);
}

void NetPrinter::serve() {
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (stopping)
                return;
        }
        pollfd p{listener, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0)
            continue;
        const int connection = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            continue;
        {
            std::lock_guard<std::mutex> lock(mutex);
            ++accepted;
        }
        QByteArray bytes;
        if (mode == Mode::ResetAtOnce) {
            const linger reset{1, 0};
            ::setsockopt(connection, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
        } else if (mode == Mode::Record) {
            // Bounded: a connection the program never closes ends the recording after 10 s.
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (std::chrono::steady_clock::now() < giveUp) {
                pollfd c{connection, POLLIN, 0};
                if (::poll(&c, 1, 20) <= 0)
                    continue;
                char buffer[65536];
                const ssize_t n = ::read(connection, buffer, sizeof buffer);
                if (n <= 0)
                    break;
                bytes.append(buffer, n);
            }
        }
        ::close(connection);
        std::lock_guard<std::mutex> lock(mutex);
        finished.append(bytes);
        ended.notify_all();
    }
}

QList<QByteArray> NetPrinter::waitForConnections(int count, int timeoutMs) {
    std::unique_lock<std::mutex> lock(mutex);
    ended.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return finished.size() >= count; });
    return finished;
}

int NetPrinter::acceptedCount() {
    std::lock_guard<std::mutex> lock(mutex);
    return accepted;
}
