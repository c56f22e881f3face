#pragma once

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <mutex>
#include <thread>

class TestEnvironment;

// A parallel printer that keeps everything written to it across opens: a FIFO linked into the device
// map as an LPT port, drained by a thread. (A regular file is truncated by every open.)
class FifoPrinter {
  public:
    FifoPrinter(const TestEnvironment &environment, const QString &portName);
    ~FifoPrinter();
    FifoPrinter(const FifoPrinter &) = delete;
    FifoPrinter &operator=(const FifoPrinter &) = delete;

    // Waits (bounded) until at least count bytes have arrived; returns all that arrived.
    QByteArray waitForBytes(qsizetype count, int timeoutMs = 5000);

  private:
    void collect();

    int fifo = -1;
    std::thread reader;
    std::mutex mutex;
    std::condition_variable arrived;
    QByteArray data;
    bool stopping = false;
};
