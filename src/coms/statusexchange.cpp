#include "statusexchange.h"

#include "link/comport.h"

#include <QThread>

namespace {

constexpr unsigned long replyWaitMs = 30;
constexpr unsigned long roundPauseMs = 20;

// Closes the port however the exchange ends.
class ClosingPort {
  public:
    explicit ClosingPort(TComPort &port) : port(port) {}
    ~ClosingPort() { port.Close(); }
    ClosingPort(const ClosingPort &) = delete;
    ClosingPort &operator=(const ClosingPort &) = delete;

  private:
    TComPort &port;
};

} // namespace

QByteArray exchangeStatus(TComPort &port, const QString &portName, const QString &rateText,
                          const QByteArray &request) {
    const ClosingPort closing(port);
    port.setPort(portName);
    port.setBaudRate(rateFromText(rateText));
    port.Open();
    QByteArray reply;
    for (int round = 0; round < statusRounds; ++round) {
        port.Write(request);
        QThread::msleep(replyWaitMs);
        reply += port.Read(1);
        QThread::msleep(roundPauseMs);
    }
    return reply;
}
