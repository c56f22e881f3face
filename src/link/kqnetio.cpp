#include "kqnetio.h"

#include <QDeadlineTimer>
#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <linux/sockios.h>
#include <netinet/in.h>
#include <poll.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::uint16_t rawPrintingPort = 9100;

std::uint16_t port = rawPrintingPort;
int connection = -1;
int sendTimeoutMs = 0;

bool waitFor(int fd, short events, const QDeadlineTimer &deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(std::max<qint64>(0, deadline.remainingTime())));
        if (ready > 0)
            return (p.revents & (POLLERR | POLLHUP | POLLNVAL)) == 0 || (p.revents & events) != 0;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

int pendingError(int fd) {
    int err = 0;
    socklen_t length = sizeof err;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &length) != 0)
        return errno;
    return err;
}

} // namespace

void KQNetSetPortForTesting(std::uint16_t testPort) {
    port = testPort;
}

int KQNetOpen(const char *address, int connectTimeout, int sendTimeout) {
    KQNetClose();
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    if (address == nullptr || ::inet_pton(AF_INET, address, &target.sin_addr) != 1)
        return 0;
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return 0;
    const QDeadlineTimer deadline(std::max(0, connectTimeout) * 1000LL);
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&target), sizeof target) != 0 &&
        (errno != EINPROGRESS || !waitFor(fd, POLLOUT, deadline) || pendingError(fd) != 0)) {
        ::close(fd);
        return 0;
    }
    connection = fd;
    sendTimeoutMs = std::max(0, sendTimeout) * 1000;
    return 1;
}

bool KQNetSend(const char *data, int length) {
    if (connection < 0 || length < 0)
        return false;
    const QDeadlineTimer deadline(sendTimeoutMs);
    for (int sent = 0; sent < length;) {
        const ssize_t n = ::send(connection, data + sent, static_cast<size_t>(length - sent), MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<int>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitFor(connection, POLLOUT, deadline))
                return false;
        } else {
            return false;
        }
    }
    // Handed to the kernel is not delivered: wait until the printer has acknowledged every byte, so a
    // printer that closed or reset the connection is seen here.
    // On a local network the acknowledgement follows within microseconds: yield first, then back off.
    const QDeadlineTimer spin(std::chrono::microseconds(300));
    for (useconds_t pause = 50;; pause = std::min<useconds_t>(pause * 2, 1000)) {
        int unacknowledged = 0;
        const bool queueRead = ::ioctl(connection, SIOCOUTQ, &unacknowledged) == 0;
        if (!queueRead || pendingError(connection) != 0)
            return false;
        if (unacknowledged == 0)
            return true;
        if (deadline.hasExpired())
            return false;
        if (!spin.hasExpired())
            ::sched_yield();
        else
            ::usleep(pause);
    }
}

int KQNetClose() {
    if (connection >= 0)
        ::close(connection);
    connection = -1;
    return 1;
}
