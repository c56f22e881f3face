#pragma once

#include <QByteArray>
#include <QList>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

// A network printer on 127.0.0.1 only: a listener on a free port, which the network library is pointed
// at, recording each connection's bytes. It can also refuse connections, or accept and then close or
// reset at once.
class NetPrinter {
  public:
    enum class Mode { Record, Refuse, CloseAtOnce, ResetAtOnce };

    explicit NetPrinter(Mode mode = Mode::Record);
    ~NetPrinter();
    NetPrinter(const NetPrinter &) = delete;
    NetPrinter &operator=(const NetPrinter &) = delete;

    std::uint16_t port() const { return listenPort; }
    // Points the network library at this printer (done by the constructor; call again after another
    // printer was made).
    void use() const;
    // Waits (bounded) until count connections have ended; returns the bytes of every ended connection.
    QList<QByteArray> waitForConnections(int count, int timeoutMs = 5000);
    int acceptedCount();

  private:
    void serve();

    Mode mode;
    int listener = -1;
    std::uint16_t listenPort = 0;
    std::thread server;
    std::mutex mutex;
    std::condition_variable ended;
    QList<QByteArray> finished;
    int accepted = 0;
    bool stopping = false;
};
