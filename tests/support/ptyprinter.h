#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <condition_variable>
#include <mutex>
#include <thread>

class TestEnvironment;

// A serial printer on a pseudo-terminal: the slave is linked into the device map as a COM port; a
// thread collects what arrives and answers requests as told.
class PtyPrinter {
  public:
    PtyPrinter(const TestEnvironment &environment, const QString &portName);
    ~PtyPrinter();
    PtyPrinter(const PtyPrinter &) = delete;
    PtyPrinter &operator=(const PtyPrinter &) = delete;

    QString slavePath() const { return slave; }
    // Waits (bounded) until at least count bytes have arrived; returns all that arrived.
    QByteArray waitForBytes(qsizetype count, int timeoutMs = 5000);
    // All that has arrived so far.
    QByteArray received();
    // Each time request arrives, the next reply of the list is sent back (an empty reply sends
    // nothing); past the end of the list nothing is sent.
    void answer(const QByteArray &request, const QList<QByteArray> &replies);
    // Sends bytes to the program at once.
    void send(const QByteArray &bytes);
    // Stops and restarts the flow towards the printer, as its XOFF and XON would.
    void holdOutput() const;
    void releaseOutput() const;
    // The line settings the program left on the port.
    unsigned inputFlags() const;
    int speed() const; // in baud; -1 for a rate not listed

  private:
    void collect();

    int master = -1;
    int slaveHold = -1; // keeps the line up between the program's opens
    QString slave;
    std::thread reader;
    std::mutex mutex;
    std::condition_variable arrived;
    QByteArray data;
    qsizetype answeredUpTo = 0;
    QByteArray request;
    QList<QByteArray> replies;
    bool stopping = false;
};
