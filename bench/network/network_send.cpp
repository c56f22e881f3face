// Time of a full network send of 50,000 bytes to a loopback listener, beside the same bytes written by a
// plain blocking socket (the floor), in the same run. Loopback only.
#include "link/comport.h"
#include "link/kqnetio.h"
#include "link/printerlink.h"

#include <QCoreApplication>
#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int rounds = 50;
constexpr int payloadSize = 50000;

// Accepts connections one after the other and reads them to the end.
class Sink {
  public:
    Sink() {
        listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address);
        ::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length);
        port = ntohs(address.sin_port);
        ::listen(listener, 8);
        worker = std::thread([this] { serve(); });
    }
    ~Sink() {
        stopping = true;
        worker.join();
        ::close(listener);
    }
    std::uint16_t port = 0;

  private:
    void serve() {
        while (!stopping) {
            pollfd p{listener, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0)
                continue;
            const int connection = ::accept(listener, nullptr, nullptr);
            char buffer[65536];
            while (connection >= 0 && ::read(connection, buffer, sizeof buffer) > 0) {
            }
            ::close(connection);
        }
    }
    int listener = -1;
    std::atomic<bool> stopping{false};
    std::thread worker;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double plainSendMs(std::uint16_t port, const QByteArray &bytes) {
    const auto start = Clock::now();
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
    for (qsizetype sent = 0; sent < bytes.size();) {
        const ssize_t n = ::send(fd, bytes.constData() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            break;
        sent += n;
    }
    ::close(fd);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication application(argc, argv);
    Sink sink;
    KQNetSetPortForTesting(sink.port);
    const QByteArray payload(payloadSize, 'x');
    const PortChoice loopback{10, QStringLiteral("Ethernet"), QString(), QStringLiteral("127.0.0.1")};
    TComPort cp;
    std::vector<double> route, floor, pauses;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        if (!fullSend(payload, loopback, cp)) {
            std::fprintf(stderr, "send failed\n");
            return 1;
        }
        route.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        floor.push_back(plainSendMs(sink.port, payload));
        // The two pauses as this machine really sleeps them: a requested 5 ms overshoots by the scheduler's
        // wake-up latency.
        const auto pauseStart = Clock::now();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        pauses.push_back(std::chrono::duration<double, std::milli>(Clock::now() - pauseStart).count());
    }
    const double routeMs = median(route), floorMs = median(floor), pausesMs = median(pauses);
    const double budgetMs = pausesMs + 1.2 * floorMs;
    std::printf("full network send of %d bytes: median %.3f ms over %d rounds\n", payloadSize, routeMs, rounds);
    std::printf("plain blocking socket write (floor): median %.3f ms\n", floorMs);
    std::printf("two 5 ms pauses as slept here: median %.3f ms\n", pausesMs);
    std::printf("target: at most the two pauses + 1.2 x floor = %.3f ms -> %s\n", budgetMs,
                routeMs <= budgetMs ? "met" : "missed");
    return 0;
}
